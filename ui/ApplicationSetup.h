#pragma once

class QApplication;
class QTranslator;

/// Application-wide settings of the program: names, style with 32 px menu
/// pictures, font substitutes, and the toolkit's own texts in Russian.
class ApplicationSetup {
public:
    /// `translator` must outlive the application's use of it.
    static void apply(QApplication& app, QTranslator& translator);
};

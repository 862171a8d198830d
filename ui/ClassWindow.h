// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ClassPool.h"

#include <QLocale>
#include <QMainWindow>

#include <functional>
#include <memory>

class MessageBox;
class QAction;
class ChargeChartsWidget;
class QLabel;
class QTableWidget;
class SaveFileDialog;

/// «Журналы группы»: any number of journal files opened at once, a row per
/// file read (student, group, drops measured, charges used, e ± expanded
/// uncertainty and deviation, or why there is no estimate), e from all the
/// charges together, the pooled histogram, the copies (journals with the
/// same measurements as an earlier one, kept out of the pool) and the files
/// refused with their reasons; exported as the class report (PDF) and the
/// table (CSV).
class ClassWindow : public QMainWindow {
    Q_OBJECT

public:
    struct Actions {
        QAction* open = nullptr;
        QAction* report = nullptr;
        QAction* exportTable = nullptr;
        QAction* close = nullptr;
    };

    ClassWindow(MessageBox& messageBox, SaveFileDialog& saveDialog, const QLocale& locale, QWidget* owner);
    ~ClassWindow() override;

    /// Reads the journals at `paths` (replacing those shown).
    void openJournals(const QStringList& paths);

    const Actions& actions() const { return m_actions; }
    QTableWidget* table() const { return m_table; }
    QLabel* result() const { return m_result; }
    QLabel* refusedList() const { return m_refused; }
    QLabel* copiesList() const { return m_copies; }
    const ClassPool& pool() const { return *m_pool; }

    /// Asks for the journal files to open (empty: cancelled); a file dialog by default.
    std::function<QStringList()> askOpenFileNames;

private:
    void chooseJournals();
    void writeReport();
    void exportTable();
    void write(const QString& path);
    void refresh();

    MessageBox& m_messageBox;
    SaveFileDialog& m_saveDialog;
    QLocale m_locale;
    std::unique_ptr<ClassPool> m_pool;
    Actions m_actions;
    QTableWidget* m_table;
    QLabel* m_result;
    QLabel* m_refused;
    QLabel* m_copies;
    ChargeChartsWidget* m_charts;
};

// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "JournalAnalysis.h"
#include "SlipExtrapolation.h"

#include <QLocale>
#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>

class ClassWindow;
class JournalModel;
class JournalStore;
class Laboratory;
class DropSummaryModel;
class ChargeChartsWidget;
class ExtrapolationChart;
class MessageBox;
class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class QTableView;
class SaveFileDialog;

/// The laboratory journal, a window of its own beside the main one: the
/// measurements (they can be typed in by hand, edited, struck out with a
/// reason and restored), the drops' means and spreads, and the analysis with
/// the elementary charge found from the charges and from their changes,
/// with the histogram and the charges against the drop's number.
class JournalWindow : public QMainWindow {
    Q_OBJECT

public:
    struct Actions {
        QAction* open = nullptr;
        QAction* save = nullptr;
        QAction* exportTable = nullptr;
        QAction* newJournal = nullptr;
        QAction* report = nullptr;
        QAction* print = nullptr;
        QAction* classJournals = nullptr;
        QAction* close = nullptr;
        QAction* add = nullptr;
        QAction* strikeOut = nullptr;
        QAction* restore = nullptr;
        QAction* realDrop = nullptr;
    };

    JournalWindow(JournalModel& model, JournalStore& store, Laboratory& laboratory, MessageBox& messageBox,
                  SaveFileDialog& saveDialog, const QLocale& locale, QWidget* owner);
    ~JournalWindow() override;

    const Actions& actions() const { return m_actions; }
    QTabWidget* tabs() const { return m_tabs; }
    QTableView* table() const { return m_table; }
    QTableView* summary() const { return m_summary; }
    QLabel* result() const { return m_result; }
    /// The analysis shown as if the slip of the air were forgotten.
    QCheckBox* withoutSlipSwitch() const { return m_withoutSlip; }
    ExtrapolationChart* extrapolationChart() const { return m_extrapolation; }
    QLineEdit* studentEdit() const { return m_student; }
    QLineEdit* groupEdit() const { return m_group; }
    /// The plots of the charges.
    ChargeChartsWidget* charts() const { return m_charts; }

    /// Asks why a row is struck out (none: cancelled); a text box by default.
    std::function<std::optional<QString>()> askReason;
    /// Asks for the setup of a drop of a real apparatus, numbered as given
    /// (none: cancelled); RealDropDialog by default.
    std::function<std::optional<JournalDrop>(int number)> askRealDrop;
    /// Asks for a journal file to open (empty: cancelled); a file dialog by default.
    std::function<QString()> askOpenFileName;
    /// «Журналы группы» (made on first use).
    ClassWindow* classWindow();

private:
    void buildActions();
    void refreshAnalysis();
    void openJournal();
    void openJournalFile(const QString& path);
    void saveJournal();
    void exportTable();
    void newJournal();
    void writeReport();
    void printReport();
    void openClassWindow();
    void addEntry();
    void strikeOutEntry();
    void restoreEntry();
    void addRealDrop();
    int currentRow() const;

    JournalModel& m_model;
    JournalStore& m_store;
    Laboratory& m_laboratory;
    MessageBox& m_messageBox;
    SaveFileDialog& m_saveDialog;
    QLocale m_locale;
    Actions m_actions;
    QTabWidget* m_tabs;
    QTableView* m_table;
    QTableView* m_summary;
    DropSummaryModel* m_summaryModel;
    QLabel* m_result;
    QCheckBox* m_withoutSlip;
    ExtrapolationChart* m_extrapolation;
    QLineEdit* m_student;
    QLineEdit* m_group;
    ChargeChartsWidget* m_charts;
    QPointer<ClassWindow> m_classWindow;
};

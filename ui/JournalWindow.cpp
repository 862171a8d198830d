// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "JournalWindow.h"

#include "ChargeChartsWidget.h"
#include "ClassWindow.h"
#include "DropSummaryModel.h"
#include "ExtrapolationChart.h"
#include "JournalFile.h"
#include "JournalModel.h"
#include "JournalStore.h"
#include "KeyBindings.h"
#include "Laboratory.h"
#include "RealDropDialog.h"
#include "ReportWriter.h"
#include "WindowPlacement.h"

#include "AnalysisWording.h"
#include "Artwork.h"
#include "MessageBox.h"
#include "SaveFileDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPrinter>
#include <QtPrintSupport/qtprintsupportglobal.h>
#if QT_CONFIG(printdialog)
#include <QPrintDialog>
#endif
#ifdef Q_OS_WASM
#include "WebFiles.h"
#endif
#include <QScreen>
#include <QScrollArea>
#include <QStandardPaths>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <set>

namespace {

/// The field column is edited by choosing one of the three field states.
class FieldDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        auto* box = new QComboBox(parent);
        box->addItems(FieldStates::names());
        return box;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        auto* box = static_cast<QComboBox*>(editor);
        box->setCurrentIndex(std::max(0, box->findText(index.data(Qt::EditRole).toString())));
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        model->setData(index, static_cast<QComboBox*>(editor)->currentText());
    }
};

} // namespace

JournalWindow::JournalWindow(JournalModel& model, JournalStore& store, Laboratory& laboratory, MessageBox& messageBox,
                             SaveFileDialog& saveDialog, const QLocale& locale, QWidget* owner)
    : QMainWindow(owner, Qt::Window), m_model(model), m_store(store), m_laboratory(laboratory),
      m_messageBox(messageBox), m_saveDialog(saveDialog), m_locale(locale)
{
    setObjectName(QStringLiteral("journalWindow"));
    setWindowTitle(tr("Лабораторный журнал"));
    setWindowIcon(QIcon(QPixmap::fromImage(Artwork::appIcon(32))));

    // Who measured, above the journal: it heads every report and export.
    auto* central = new QWidget(this);
    auto* head = new QHBoxLayout;
    m_student = new QLineEdit(central);
    m_student->setObjectName(QStringLiteral("studentEdit"));
    m_student->setMaxLength(JournalFile::MaxNameLength);
    m_student->setAccessibleName(tr("Студент"));
    m_group = new QLineEdit(central);
    m_group->setObjectName(QStringLiteral("groupEdit"));
    m_group->setMaxLength(JournalFile::MaxNameLength);
    m_group->setAccessibleName(tr("Группа"));
    auto* studentLabel = new QLabel(tr("&Студент:"), central);
    studentLabel->setBuddy(m_student);
    auto* groupLabel = new QLabel(tr("Гр&уппа:"), central);
    groupLabel->setBuddy(m_group);
    head->addWidget(studentLabel);
    head->addWidget(m_student, 3);
    head->addWidget(groupLabel);
    head->addWidget(m_group, 1);
    const auto keepStudent = [this] { m_model.setStudent(m_student->text(), m_group->text()); };
    connect(m_student, &QLineEdit::editingFinished, this, keepStudent);
    connect(m_group, &QLineEdit::editingFinished, this, keepStudent);
    m_tabs = new QTabWidget(central);
    auto* column = new QVBoxLayout(central);
    column->addLayout(head);
    column->addWidget(m_tabs, 1);
    setCentralWidget(central);

    m_table = new QTableView(m_tabs);
    m_table->setObjectName(QStringLiteral("journalTable"));
    m_table->setModel(&model);
    m_table->setItemDelegateForColumn(JournalModel::Field, new FieldDelegate(m_table));
    m_table->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                             | QAbstractItemView::AnyKeyPressed);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setAccessibleName(tr("Измерения"));
    m_tabs->addTab(m_table, tr("Измерения"));

    m_summaryModel = new DropSummaryModel(model, this);
    m_summary = new QTableView(m_tabs);
    m_summary->setModel(m_summaryModel);
    m_summary->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_summary->horizontalHeader()->setStretchLastSection(true);
    m_summary->setAccessibleName(tr("Капли"));
    m_tabs->addTab(m_summary, tr("Капли"));

    auto* analysis = new QWidget(m_tabs);
    m_result = new QLabel(analysis);
    m_result->setObjectName(QStringLiteral("analysisResult"));
    m_result->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_result->setFocusPolicy(Qt::StrongFocus);
    m_result->setWordWrap(true);
    m_result->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Shown once the journal has drops with the slip correction: what forgetting it does.
    m_withoutSlip = new QCheckBox(tr("&Без поправки на скольжение"), analysis);
    m_withoutSlip->setToolTip(tr("Те же капли, рассчитанные по закону Стокса без поправки на скольжение"));
    m_withoutSlip->hide();
    connect(m_withoutSlip, &QCheckBox::toggled, this, &JournalWindow::refreshAnalysis);
    auto* layout = new QVBoxLayout(analysis);
    layout->addWidget(m_withoutSlip);
    layout->addWidget(m_result);
    auto* plots = new QHBoxLayout;
    m_charts = new ChargeChartsWidget(locale, analysis);
    plots->addWidget(m_charts, 2);
    m_extrapolation = new ExtrapolationChart(locale, analysis);
    m_extrapolation->hide();
    plots->addWidget(m_extrapolation, 1);
    layout->addLayout(plots, 1);
    m_tabs->addTab(analysis, tr("Определение e"));

    buildActions();
    connect(&model, &JournalModel::changed, this, &JournalWindow::refreshAnalysis);
    connect(&model, &QAbstractItemModel::modelReset, this, &JournalWindow::refreshAnalysis);
    refreshAnalysis();
    resize(900, 560);
    // The measurements have the keyboard when the window opens.
    m_table->setFocus();
}

JournalWindow::~JournalWindow() = default;

void JournalWindow::buildActions()
{
    using Command = KeyBindings::Command;
    Actions& a = m_actions;
    QMenu* journal = menuBar()->addMenu(tr("&Журнал"));
    a.open = journal->addAction(tr("Открыть журнал…"), this, &JournalWindow::openJournal);
    a.open->setShortcut(KeyBindings::key(Command::JournalOpen));
    a.save = journal->addAction(tr("Сохранить журнал…"), this, &JournalWindow::saveJournal);
    a.save->setShortcut(KeyBindings::key(Command::JournalSave));
    a.exportTable = journal->addAction(tr("Экспорт таблицы (CSV)…"), this, &JournalWindow::exportTable);
    a.exportTable->setShortcut(KeyBindings::key(Command::JournalExport));
    a.report = journal->addAction(tr("Отчёт (PDF)…"), this, &JournalWindow::writeReport);
    a.report->setShortcut(KeyBindings::key(Command::JournalReport));
    a.print = journal->addAction(tr("Печать…"), this, &JournalWindow::printReport);
    a.print->setShortcut(KeyBindings::key(Command::JournalPrint));
#if !QT_CONFIG(printdialog) || defined(Q_OS_WASM)
    // No printer to choose (a browser's page): the PDF report is printed by its viewer.
    a.print->setVisible(false);
#endif
    journal->addSeparator();
    a.classJournals = journal->addAction(tr("Журналы группы…"), this, &JournalWindow::openClassWindow);
    a.classJournals->setShortcut(KeyBindings::key(Command::ClassJournals));
    journal->addSeparator();
    a.newJournal = journal->addAction(tr("Новый журнал"), this, &JournalWindow::newJournal);
    journal->addSeparator();
    a.close = journal->addAction(tr("Закрыть"), this, &QWidget::close);
    a.close->setShortcut(KeyBindings::key(Command::JournalClose));

    QMenu* edit = menuBar()->addMenu(tr("&Правка"));
    a.add = edit->addAction(tr("Добавить измерение"), this, &JournalWindow::addEntry);
    a.add->setShortcut(KeyBindings::key(Command::JournalAdd));
    a.strikeOut = edit->addAction(tr("Удалить измерение…"), this, &JournalWindow::strikeOutEntry);
    a.strikeOut->setShortcut(KeyBindings::key(Command::JournalStrikeOut));
    a.restore = edit->addAction(tr("Восстановить измерение"), this, &JournalWindow::restoreEntry);
    edit->addSeparator();
    a.realDrop = edit->addAction(tr("Капля с реальной установки…"), this, &JournalWindow::addRealDrop);
    // Insert and Delete belong to the table; an editor in a cell keeps its own keys.
    for (QAction* action : {a.add, a.strikeOut, a.restore})
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_table->addActions({a.add, a.strikeOut, a.restore});
}

void JournalWindow::refreshAnalysis()
{
    // The fields follow the journal (opened, new, asked for) unless being typed in.
    if (!m_student->hasFocus() && m_student->text() != m_model.journal().student)
        m_student->setText(m_model.journal().student);
    if (!m_group->hasFocus() && m_group->text() != m_model.journal().group)
        m_group->setText(m_model.journal().group);
    const Journal& journal = m_model.journal();
    const bool slip =
        std::any_of(journal.drops.begin(), journal.drops.end(), [](const JournalDrop& d) { return d.slipCorrection; });
    m_withoutSlip->setVisible(slip);
    m_extrapolation->setVisible(slip);
    JournalAnalysis::Result plain;
    if (slip)
        plain = JournalAnalysis::analyse(journal, false);
    const JournalAnalysis::Result& r = slip && m_withoutSlip->isChecked() ? plain : m_model.analysis();
    QString text = AnalysisWording::analysisText(r, m_locale);
    if (slip) {
        const SlipExtrapolation::Result x = SlipExtrapolation::fit(journal, m_model.analysis(), plain);
        m_extrapolation->show(x);
        text += QLatin1Char('\n') + AnalysisWording::extrapolationText(x, m_locale);
    }
    m_result->setText(text);
    m_result->setAccessibleName(m_result->text());
    m_charts->show(ChargePlots::dataOf(r));
}

int JournalWindow::currentRow() const
{
    const QModelIndex index = m_table->currentIndex();
    return index.isValid() ? index.row() : -1;
}

void JournalWindow::openJournal()
{
#ifdef Q_OS_WASM
    // The browser's dialog answers later, with the file's content.
    if (!askOpenFileName) {
        WebFiles::askOpenFile(QStringLiteral("*.json"), [this](const QString& path) { openJournalFile(path); });
        return;
    }
#endif
    const QString path =
        askOpenFileName
            ? askOpenFileName()
            : QFileDialog::getOpenFileName(this, tr("Открыть журнал"),
                                           QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                                           tr("Лабораторный журнал (*.json)"));
    if (!path.isEmpty())
        openJournalFile(path);
}

void JournalWindow::openJournalFile(const QString& path)
{
    QString kept;
    if (m_store.open(path, &kept)) {
        m_laboratory.adoptSeedOf(m_model);
        if (!kept.isEmpty())
            m_messageBox.showMessage(tr("Лабораторный журнал"),
                                     tr("Прежний журнал сохранён в «%1».").arg(QDir::toNativeSeparators(kept)));
    }
}

void JournalWindow::saveJournal()
{
    const QString path = m_saveDialog.askSaveFileName(tr("Сохранить журнал"), QStringLiteral("oildrop-journal.json"),
                                                      tr("Лабораторный журнал (*.json)"), QStringLiteral("json"));
    if (!path.isEmpty())
        m_store.saveAs(path);
}

void JournalWindow::exportTable()
{
    const QString path = m_saveDialog.askSaveFileName(tr("Экспорт таблицы"), QStringLiteral("oildrop-journal.csv"),
                                                      tr("Таблица CSV (*.csv)"), QStringLiteral("csv"));
    if (!path.isEmpty())
        m_store.exportCsv(path, m_locale);
}

void JournalWindow::newJournal()
{
    if (!m_messageBox.askYesNo(tr("Новый журнал"),
                               tr("Начать новый журнал? Нынешний будет сохранён копией в папке данных программы.")))
        return;
    QString kept;
    if (m_store.startNew(&kept) && !kept.isEmpty())
        m_messageBox.showMessage(tr("Лабораторный журнал"),
                                 tr("Прежний журнал сохранён в «%1».").arg(QDir::toNativeSeparators(kept)));
}

void JournalWindow::addEntry()
{
    const int drop = m_laboratory.dropForHandEntry();
    const int row = m_model.addHandEntry(drop);
    m_tabs->setCurrentWidget(m_table);
    m_table->setFocus();
    // A real apparatus's drop has its distance: its time is what is typed.
    const JournalDrop* d = m_model.journal().drop(drop);
    m_table->setCurrentIndex(m_model.index(row, d && d->fallDistance ? JournalModel::Time : JournalModel::Bands));
}

void JournalWindow::strikeOutEntry()
{
    const int row = currentRow();
    if (row < 0)
        return;
    std::optional<QString> reason;
    if (askReason) {
        reason = askReason();
    } else {
#ifdef Q_OS_WASM
        // A browser's page waits in no handler: the answer comes through a slot.
        auto* dialog = new QInputDialog(this);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->setWindowModality(Qt::ApplicationModal);
        dialog->setWindowTitle(tr("Удалить измерение"));
        dialog->setLabelText(tr("Почему измерение не годится? Оно останется в журнале зачёркнутым."));
        connect(dialog, &QInputDialog::textValueSelected, this, [this, row](const QString& text) {
            m_model.strikeOut(row, text.trimmed().isEmpty() ? tr("без объяснения") : text.trimmed());
        });
        dialog->open();
        return;
#endif
        bool ok = false;
        const QString text = QInputDialog::getText(
            this, tr("Удалить измерение"), tr("Почему измерение не годится? Оно останется в журнале зачёркнутым."),
            QLineEdit::Normal, QString(), &ok);
        if (ok)
            reason = text;
    }
    if (reason)
        m_model.strikeOut(row, reason->trimmed().isEmpty() ? tr("без объяснения") : reason->trimmed());
}

void JournalWindow::restoreEntry()
{
    const int row = currentRow();
    if (row >= 0)
        m_model.restore(row);
}

void JournalWindow::addRealDrop()
{
    const int number = m_model.journal().nextDropNumber();
    std::optional<JournalDrop> drop;
    if (askRealDrop) {
        drop = askRealDrop(number);
    } else {
#ifdef Q_OS_WASM
        // A browser's page waits in no handler: the drop comes through a slot.
        auto* dialog = new RealDropDialog(m_messageBox, m_locale, this);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->setWindowModality(Qt::ApplicationModal);
        connect(dialog, &QDialog::accepted, this, [this, dialog, number] {
            if (const std::optional<JournalDrop> given = dialog->drop(number)) {
                m_model.addDrop(*given);
                addEntry();
            }
        });
        dialog->open();
        return;
#else
        RealDropDialog dialog(m_messageBox, m_locale, this);
        if (dialog.exec() == QDialog::Accepted)
            drop = dialog.drop(number);
#endif
    }
    if (!drop)
        return;
    m_model.addDrop(*drop);
    // Its first timing, ready to be typed in.
    addEntry();
}

void JournalWindow::writeReport()
{
    const QString path = m_saveDialog.askSaveFileName(tr("Отчёт о работе"), QStringLiteral("oildrop-report.pdf"),
                                                      tr("Документ PDF (*.pdf)"), QStringLiteral("pdf"));
    if (path.isEmpty())
        return;
    ReportWriter writer(m_model);
    if (const QString failure = writer.writePdf(path); !failure.isEmpty())
        m_messageBox.showMessage(
            tr("Ошибка"), tr("Не удалось сохранить файл «%1»:\n%2.").arg(QDir::toNativeSeparators(path), failure));
}

void JournalWindow::printReport()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
#if QT_CONFIG(printdialog)
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
#endif
    ReportWriter writer(m_model);
    writer.print(printer);
}

ClassWindow* JournalWindow::classWindow()
{
    if (!m_classWindow) {
        m_classWindow = new ClassWindow(m_messageBox, m_saveDialog, m_locale, this);
        // No larger than the screen's available area, its title bar allowed for.
        if (const QScreen* screen = this->screen()) {
            const QSize room = screen->availableGeometry().size() - QSize(0, WindowPlacement::TitleBar);
            m_classWindow->resize(
                WindowPlacement::bounded(m_classWindow->size(), m_classWindow->minimumSizeHint(), room));
        }
    }
    return m_classWindow;
}

void JournalWindow::openClassWindow()
{
    ClassWindow* window = classWindow();
    window->show();
    window->raise();
    window->activateWindow();
}

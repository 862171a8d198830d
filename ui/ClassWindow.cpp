// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ClassWindow.h"

#include "AnalysisWording.h"
#include "ChargeChartsWidget.h"
#include "ClassReport.h"
#include "KeyBindings.h"

#include "Artwork.h"
#include "MessageBox.h"
#include "SaveFileDialog.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#ifdef Q_OS_WASM
#include "WebFiles.h"
#endif
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QSplitter>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>

ClassWindow::ClassWindow(MessageBox& messageBox, SaveFileDialog& saveDialog, const QLocale& locale, QWidget* owner)
    : QMainWindow(owner, Qt::Window), m_messageBox(messageBox), m_saveDialog(saveDialog), m_locale(locale),
      m_pool(std::make_unique<ClassPool>())
{
    setObjectName(QStringLiteral("classWindow"));
    setWindowTitle(tr("Журналы группы"));
    setWindowIcon(QIcon(QPixmap::fromImage(Artwork::appIcon(32))));

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    m_result = new QLabel(central);
    m_result->setObjectName(QStringLiteral("classResult"));
    m_result->setWordWrap(true);
    m_result->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_result->setFocusPolicy(Qt::StrongFocus);
    layout->addWidget(m_result);

    auto* splitter = new QSplitter(Qt::Vertical, central);
    m_table = new QTableWidget(0, 7, splitter);
    m_table->setObjectName(QStringLiteral("classTable"));
    m_table->setHorizontalHeaderLabels({tr("Файл"), tr("Студент"), tr("Группа"), tr("Капель"), tr("Зарядов в оценке"),
                                        tr("e ± U (k = 2)"), tr("Отклонение")});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setAccessibleName(tr("Журналы группы"));
    m_charts = new ChargeChartsWidget(m_locale, splitter);
    splitter->addWidget(m_charts);
    layout->addWidget(splitter, 1);
    m_copies = new QLabel(central);
    m_copies->setObjectName(QStringLiteral("classCopies"));
    m_copies->setWordWrap(true);
    m_copies->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_copies->setFocusPolicy(Qt::StrongFocus);
    layout->addWidget(m_copies);
    m_refused = new QLabel(central);
    m_refused->setObjectName(QStringLiteral("classRefused"));
    m_refused->setWordWrap(true);
    m_refused->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_refused->setFocusPolicy(Qt::StrongFocus);
    layout->addWidget(m_refused);
    setCentralWidget(central);

    using Command = KeyBindings::Command;
    QMenu* menu = menuBar()->addMenu(tr("&Журналы"));
    m_actions.open = menu->addAction(tr("Открыть журналы…"), this, &ClassWindow::chooseJournals);
    m_actions.open->setShortcut(KeyBindings::key(Command::JournalOpen));
    m_actions.report = menu->addAction(tr("Отчёт группы (PDF)…"), this, &ClassWindow::writeReport);
    m_actions.report->setShortcut(KeyBindings::key(Command::JournalReport));
    m_actions.exportTable = menu->addAction(tr("Экспорт таблицы (CSV)…"), this, &ClassWindow::exportTable);
    m_actions.exportTable->setShortcut(KeyBindings::key(Command::JournalExport));
    menu->addSeparator();
    m_actions.close = menu->addAction(tr("Закрыть"), this, &QWidget::close);
    m_actions.close->setShortcut(KeyBindings::key(Command::JournalClose));
    refresh();
    resize(820, 600);
    m_table->setFocus();
}

ClassWindow::~ClassWindow() = default;

void ClassWindow::openJournals(const QStringList& paths)
{
    m_pool = std::make_unique<ClassPool>();
    for (const QString& path : paths)
        m_pool->add(path);
    m_pool->pool();
    refresh();
}

void ClassWindow::refresh()
{
    const auto& members = m_pool->members();
    m_table->setRowCount(static_cast<int>(members.size()));
    int row = 0;
    QStringList copies;
    for (const ClassPool::Member& m : members) {
        const QString file = QFileInfo(m.path).fileName();
        const bool found = m.estimate.valid();
        const QStringList cells = {
            m.copyOf ? tr("%1 (копия %2)").arg(file, QFileInfo(members[*m.copyOf].path).fileName()) : file,
            m.student,
            m.group,
            QString::number(m.drops),
            QString::number(m.chargesUsed),
            found ? ClassPool::estimateText(m.estimate, m_locale) : tr("оценки нет"),
            ClassPool::deviationText(m.estimate, m_locale)};
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (c >= 3)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (c == 0)
                item->setToolTip(m.copyOf ? m_pool->copyText(m) : QDir::toNativeSeparators(m.path));
            if (c >= 5 && !found)
                item->setToolTip(ClassPool::noEstimateText(m.estimate));
            // A copy's row is greyed: its charges are not in the pool.
            if (m.copyOf)
                item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
            m_table->setItem(row, c, item);
        }
        if (m.copyOf)
            copies << m_pool->copyText(m);
        ++row;
    }
    const JournalAnalysis::Result& r = m_pool->pooledAnalysis();
    if (members.empty() && m_pool->refused().empty())
        m_result->setText(
            tr("Откройте журналы группы (%1): можно выбрать сразу много файлов.")
                .arg(KeyBindings::key(KeyBindings::Command::JournalOpen).toString(QKeySequence::NativeText)));
    else if (r.fromCharges.valid())
        m_result->setText(tr("По всем зарядам вместе (%1 из %2, журналов: %3): e = %4; отклонение %5.")
                              .arg(r.fromCharges.used.size())
                              .arg(r.charges.size())
                              .arg(m_pool->pooledMembers())
                              .arg(ClassPool::estimateText(r.fromCharges, m_locale),
                                   ClassPool::deviationText(r.fromCharges, m_locale)));
    else
        m_result->setText(tr("По всем зарядам вместе (%1, журналов: %2): оценки нет — %3.")
                              .arg(r.charges.size())
                              .arg(m_pool->pooledMembers())
                              .arg(AnalysisWording::noEstimateReason(r.fromCharges)));
    m_result->setAccessibleName(m_result->text());
    m_copies->setText(copies.isEmpty() ? QString()
                                       : tr("Копии (в общую оценку не вошли):") + QLatin1Char('\n')
                                             + copies.join(QLatin1Char('\n')));
    m_copies->setAccessibleName(m_copies->text());
    m_copies->setVisible(!copies.isEmpty());
    QStringList refused;
    for (const ClassPool::Refused& f : m_pool->refused())
        refused << tr("«%1»: %2").arg(QDir::toNativeSeparators(f.path), f.reason);
    m_refused->setText(refused.isEmpty() ? QString()
                                         : tr("Не прочитаны:") + QLatin1Char('\n') + refused.join(QLatin1Char('\n')));
    m_refused->setAccessibleName(m_refused->text());
    m_refused->setVisible(!refused.isEmpty());
    m_charts->show(ChargePlots::dataOf(r));
    m_actions.report->setEnabled(!members.empty());
    m_actions.exportTable->setEnabled(!members.empty() || !m_pool->refused().empty());
}

void ClassWindow::chooseJournals()
{
#ifdef Q_OS_WASM
    // The browser's dialog gives one file at a time, and later.
    if (!askOpenFileNames) {
        WebFiles::askOpenFile(QStringLiteral("*.json"), [this](const QString& path) { openJournals({path}); });
        return;
    }
#endif
    const QStringList paths =
        askOpenFileNames
            ? askOpenFileNames()
            : QFileDialog::getOpenFileNames(this, tr("Журналы группы"),
                                            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                                            tr("Лабораторный журнал (*.json)"));
    if (!paths.isEmpty())
        openJournals(paths);
}

void ClassWindow::writeReport()
{
    const QString path = m_saveDialog.askSaveFileName(tr("Отчёт группы"), QStringLiteral("oildrop-class.pdf"),
                                                      tr("Документ PDF (*.pdf)"), QStringLiteral("pdf"));
    if (!path.isEmpty())
        write(path);
}

void ClassWindow::exportTable()
{
    const QString path = m_saveDialog.askSaveFileName(tr("Экспорт таблицы"), QStringLiteral("oildrop-class.csv"),
                                                      tr("Таблица CSV (*.csv)"), QStringLiteral("csv"));
    if (!path.isEmpty())
        write(path);
}

void ClassWindow::write(const QString& path)
{
    if (const QString failure = ClassReport::write(*m_pool, path, m_locale); !failure.isEmpty())
        m_messageBox.showMessage(
            tr("Ошибка"), tr("Не удалось сохранить файл «%1»:\n%2.").arg(QDir::toNativeSeparators(path), failure));
}

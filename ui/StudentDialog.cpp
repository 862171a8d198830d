// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StudentDialog.h"

#include "JournalFile.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

StudentDialog::StudentDialog(const QString& student, const QString& group, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Кто измерял"));
    auto* intro = new QLabel(tr("Имя и группа попадут в журнал, в отчёт и в сводку группы. Их можно изменить "
                                "потом в окне журнала."),
                             this);
    intro->setWordWrap(true);
    m_student = new QLineEdit(student, this);
    m_student->setMaxLength(JournalFile::MaxNameLength);
    m_student->setAccessibleName(tr("Студент"));
    m_group = new QLineEdit(group, this);
    m_group->setMaxLength(JournalFile::MaxNameLength);
    m_group->setAccessibleName(tr("Группа"));
    auto* form = new QFormLayout;
    form->addRow(tr("&Студент:"), m_student);
    form->addRow(tr("&Группа:"), m_group);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(form);
    layout->addWidget(buttons);
    m_student->setFocus();
}

QString StudentDialog::student() const
{
    return m_student->text().trimmed();
}

QString StudentDialog::group() const
{
    return m_group->text().trimmed();
}

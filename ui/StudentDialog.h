// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class QLineEdit;

/// Who measured: the student's name and group, asked the first time something
/// goes into a journal that does not say, for the head of every report.
class StudentDialog : public QDialog {
    Q_OBJECT

public:
    StudentDialog(const QString& student, const QString& group, QWidget* parent);

    QString student() const;
    QString group() const;
    QLineEdit* studentEdit() const { return m_student; }
    QLineEdit* groupEdit() const { return m_group; }

private:
    QLineEdit* m_student;
    QLineEdit* m_group;
};

// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SaveFileDialog.h"

#include <QPointer>
#include <QWidget>

/// The toolkit's save dialog over a parent window. It remembers the folder
/// of the last save, starting in the user's pictures or documents folder.
class QtSaveFileDialog : public SaveFileDialog {
public:
    explicit QtSaveFileDialog(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }

    QString askSaveFileName(const QString& title, const QString& suggestedName, const QString& filter,
                            const QString& suffix) override;

private:
    QPointer<QWidget> m_parent;
    QString m_folder;
};

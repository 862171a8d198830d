// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "MessageBox.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

/// Modal message boxes without an icon, over a parent window.
class QtMessageBox : public MessageBox {
    Q_DECLARE_TR_FUNCTIONS(QtMessageBox)

public:
    explicit QtMessageBox(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }

    void showMessage(const QString& title, const QString& text) override;
    bool askYesNo(const QString& title, const QString& text) override;

private:
    QPointer<QWidget> m_parent;
};

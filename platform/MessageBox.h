// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

/// Modal message boxes without an icon.
class MessageBox {
public:
    virtual ~MessageBox() = default;

    /// A box with one OK button; returns when it is closed.
    virtual void showMessage(const QString& title, const QString& text) = 0;
    /// A box with the buttons Yes (the default) and No; true for Yes.
    virtual bool askYesNo(const QString& title, const QString& text) = 0;
};

// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ClientArea.h"

#include <QPointer>
#include <QWidget>

/// A top-level window whose client area is one widget (below the menu bar).
class QtClientArea : public ClientArea {
public:
    QtClientArea(QWidget* window, QWidget* clientArea) : m_window(window), m_client(clientArea) {}

    double width() const override { return m_client->width(); }
    double height() const override { return m_client->height(); }
    bool isMinimized() const override { return m_window->isMinimized(); }

private:
    QPointer<QWidget> m_window;
    QPointer<QWidget> m_client;
};

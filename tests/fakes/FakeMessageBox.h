// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "MessageBox.h"

#include <QString>

#include <deque>
#include <functional>
#include <vector>

/// Records every box; answers Yes/No questions from a queue (No when empty).
class FakeMessageBox : public MessageBox {
public:
    struct Shown {
        QString title;
        QString text;
        bool question;
    };
    std::vector<Shown> shown;
    std::deque<bool> answers;
    /// Runs while a box is open (after it has been recorded).
    std::function<void()> whileOpen;

    void showMessage(const QString& title, const QString& text) override
    {
        shown.push_back({title, text, false});
        if (whileOpen)
            whileOpen();
    }
    bool askYesNo(const QString& title, const QString& text) override
    {
        shown.push_back({title, text, true});
        if (whileOpen)
            whileOpen();
        if (answers.empty())
            return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

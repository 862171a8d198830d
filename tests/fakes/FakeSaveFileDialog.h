// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SaveFileDialog.h"

#include <QString>

#include <vector>

/// Answers every save dialog with a preset path (empty: cancelled) and
/// records what was asked.
class FakeSaveFileDialog : public SaveFileDialog {
public:
    struct Asked {
        QString title;
        QString suggestedName;
        QString filter;
        QString suffix;
    };
    std::vector<Asked> asked;
    QString answer;

    QString askSaveFileName(const QString& title, const QString& suggestedName, const QString& filter,
                            const QString& suffix) override
    {
        asked.push_back({title, suggestedName, filter, suffix});
        return answer;
    }
};

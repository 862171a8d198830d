// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QPainter;
class QString;

/// The eight pictures of the menu items, each drawn on a transparent 32 × 32
/// logical-pixel canvas. Pictures that must look like an old 16-colour or
/// monochrome icon use a few flat colours; the others may use gradients.
namespace MenuPictures {

/// A ruled table under `word` in a pixel font that has the letters of
/// «таблица» and of "table" (any other letter is left out).
void drawTable(QPainter& p, const QString& word);
void drawBook(QPainter& p);
void drawHistoricalPortrait(QPainter& p);
void drawPowerSwitch(QPainter& p);
void drawBooklet(QPainter& p);
void drawGear(QPainter& p);
void drawAuthorPortrait(QPainter& p);
void drawQuestionMark(QPainter& p);

} // namespace MenuPictures

#pragma once

#include <QWidget>
#include <functional>

// Runs `action` on the next modal window to show (a dialog or message box), once it is active,
// from inside its modal loop. The test fails if none shows within a few seconds, or if it is
// still open a few seconds after the action.
void whenModalShows(std::function<void(QWidget& modal)> action);

// Shows the window and waits until it is active, so the focus moves as on a desktop.
void showActive(QWidget& window);

// The widget's button with this text, or null.
class QAbstractButton;
QAbstractButton* buttonWithText(QWidget& parent, const QString& text);

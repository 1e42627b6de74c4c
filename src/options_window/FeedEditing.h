#pragma once

#include <QString>
#include <functional>
#include <optional>

class QWidget;

// The dialogs and checks the settings window's feed lists share (the News
// bar page's news feeds, the Internet page's photo feeds).

// The address in a typed or dropped text: its first line that holds
// anything, trimmed (empty when none does).
QString FeedAddressOfText(const QString& text);

// Why `address` cannot go into a feed list (the list file keeps 127
// characters of a value), or nothing when it can.
std::optional<QString> FeedAddressProblem(const QString& address);

// Asks for a feed's address in a window-modal input dialog (object name
// "askFeed") titled `title`, with `prompt` and the answer field filled with
// `text`; `answered` gets the answer when the user confirms. Returns at once.
void AskFeedAddress(QWidget* parent, const QString& title, const QString& prompt,
                    const QString& text, std::function<void(const QString& answer)> answered);

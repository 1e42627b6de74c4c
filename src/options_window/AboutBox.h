#pragma once

#include <QDialog>
#include <array>

class AppContext;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The about box: the program's version, who wrote it, its homepage, its
// licence (the GNU GPL, version 3 or later) and the announcement of the
// internet catalogue's "info" section, when it has one.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(AppContext& app, QWidget* parent = nullptr);

    // Fills the announcement (element 6) from the catalogue "wpdlurls.tar",
    // decoded in memory: the file itself is only read. Without a catalogue,
    // an "info" section or its "text", the announcement is hidden; with a
    // text but no usable "url" (an http or https address) it is plain text.
    void loadAdditionalInfo();

    // 0 the version line, 1 "Written by:", 2 the homepage link, 3 the author
    // credit, 4 "Homepage:", 5 the licence notice, 6 the announcement.
    std::array<QLabel*, 7> lblabout{};
    // The targets of the links 2, 3 and 6; empty for the others.
    std::array<QString, 7> tags;
    QLabel* pictray;
    QPlainTextEdit* Text1;
    QPushButton* cmdclose;

private:
    void showLink(int index, const QString& caption, const QString& target);
    AppContext& m_app;
};

// The program's licence text, as the about box shows it.
QString LicenceText();

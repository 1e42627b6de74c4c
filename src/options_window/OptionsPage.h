#pragma once

#include "context/AppContext.h"

#include <QGroupBox>
#include <QStringList>
#include <QStyle>
#include <QToolButton>
#include <functional>
#include <optional>

class DesktopWidgets;
class FeedUpdater;
class InternetSource;

// What the settings window reaches beyond the application object: the parts
// the running program owns (each may be missing, in tests or where the
// platform has no widgets) and the program-wide actions of its buttons.
struct OptionsWindowParts {
    InternetSource* internet = nullptr;
    DesktopWidgets* widgets = nullptr;
    // The news bar's feed updater, which "Update now!" runs.
    FeedUpdater* feeds = nullptr;
    std::function<qint64()> lastChangeTick;
    std::function<void()> shutdown;
    std::function<void()> about;
};

// What an apply collected: the settings parts that changed, and the problems
// to show once every step has run.
struct ApplyReport {
    SettingsParts parts;
    QStringList errors;
};

// One option page of the settings window: it fills its controls from the
// in-memory settings and writes them back, nothing in between.
class OptionsPage : public QGroupBox {
    Q_OBJECT
public:
    OptionsPage(AppContext& app, const QString& title, int helpContext, QWidget* parent = nullptr)
        : QGroupBox(title, parent), m_app(app), m_helpContext(helpContext) {}

    virtual void load() = 0;
    virtual void apply(ApplyReport& report) = 0;
    // After the changed parts were announced (hot keys registered again).
    virtual void afterApply() {}
    // The help context of the page; 0 for the contents.
    int helpContext() const { return m_helpContext; }

protected:
    AppContext& m_app;

private:
    int m_helpContext;
};

// Gives a control its object name and the name screen readers announce.
template <typename W> W* Named(W* widget, const QString& objectName, const QString& accessible) {
    widget->setObjectName(objectName);
    widget->setAccessibleName(accessible);
    return widget;
}

// A button shown as one of the style's pictures, named by its tooltip for
// screen readers (by its caption when it has one).
template <typename Button = QToolButton>
Button* PictureButton(QWidget* parent, const QString& name, const QString& tip,
                      QStyle::StandardPixmap icon, const QString& caption = {}) {
    auto* b = Named(new Button(parent), name, caption.isEmpty() ? tip : caption);
    b->setText(caption);
    b->setToolTip(tip);
    b->setIcon(parent->style()->standardIcon(icon));
    return b;
}

// A whole number typed into a box, when it is one within [low, high].
std::optional<int> WholeNumberIn(const QString& text, int low, int high);

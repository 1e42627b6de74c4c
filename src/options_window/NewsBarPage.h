#pragma once

#include "options_window/OptionsPage.h"

// The "News Bar" page: its controls are in place, but the news bar and its
// feed list are not part of this version, so they are shown disabled and
// nothing is read or written.
class NewsBarPage : public OptionsPage {
    Q_OBJECT
public:
    explicit NewsBarPage(AppContext& app, QWidget* parent = nullptr);
    void load() override {}
    void apply(ApplyReport&) override {}
};

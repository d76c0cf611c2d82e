// A Messages sink that records every message and success window instead of showing it.
#pragma once

#include <vector>

#include "workbench/messages.h"

namespace dq::testing {

class RecordingMessages : public Messages {
public:
    struct Shown {
        Text text;
        MessageIcon icon;
    };

    void show(const Text& text, MessageIcon icon) override { shown.push_back({text, icon}); }
    void showSuccess() override { ++successWindows; }

    std::vector<Shown> shown;
    int successWindows = 0;
};

}  // namespace dq::testing

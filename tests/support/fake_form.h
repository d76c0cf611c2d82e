// A Form over plain maps, for tests of widget-free operations: every control starts empty,
// unchecked, with no selection (-1; tab controls should be set explicitly), visible.
#pragma once

#include <map>
#include <string>
#include <utility>

#include "workbench/form.h"

namespace dq::testing {

class FakeForm : public Form {
public:
    struct Geometry {
        int top = 0;
        int height = 0;
    };

    Text text(std::string_view control) const override { return lookup(texts, control, Text{}); }
    void setText(std::string_view control, const Text& value) override {
        texts[std::string(control)] = value;
    }
    void appendText(std::string_view control, const Text& value) override {
        texts[std::string(control)] += value;
    }
    bool checked(std::string_view control) const override { return lookup(checks, control, false); }
    void setChecked(std::string_view control, bool on) override { checks[std::string(control)] = on; }
    int currentIndex(std::string_view control) const override {
        return lookup(indexes, control, -1);
    }
    void setCurrentIndex(std::string_view control, int index) override {
        indexes[std::string(control)] = index;
    }
    void setVisible(std::string_view control, bool visible) override {
        visibility[std::string(control)] = visible;
    }
    bool visible(std::string_view control) const { return lookup(visibility, control, true); }
    void setTopAndHeight(std::string_view control, int top, int height) override {
        geometry[std::string(control)] = Geometry{top, height};
    }

    std::map<std::string, Text, std::less<>> texts;
    std::map<std::string, bool, std::less<>> checks;
    std::map<std::string, int, std::less<>> indexes;
    std::map<std::string, bool, std::less<>> visibility;
    std::map<std::string, Geometry, std::less<>> geometry;

private:
    template <typename Map, typename Value>
    static Value lookup(const Map& map, std::string_view key, Value fallback) {
        const auto it = map.find(key);
        return it == map.end() ? fallback : it->second;
    }
};

}  // namespace dq::testing

// Recording PageControls for unit tests: a fixed set of ids, each with its state.
#pragma once
#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "ui/PageControls.h"

struct FakeControl {
    std::string text;
    bool enabled = true, visible = true;
    int selection = -1;
    std::vector<std::string> items;
};

class FakePageControls : public PageControls {
public:
    FakePageControls(std::initializer_list<int> ids) : FakePageControls(std::vector<int>(ids)) {}
    explicit FakePageControls(const std::vector<int>& ids) { for (int id : ids) controls[id] = {}; }
    bool HasControl(int id) const override { return controls.count(id) != 0; }
    void SetText(int id, const char* text) override { Edit(id).text = text; }
    void SetEnabled(int id, bool enabled) override { Edit(id).enabled = enabled; }
    void SetVisible(int id, bool visible) override { Edit(id).visible = visible; }
    // As a combo box: a position outside the list selects nothing.
    void SetSelection(int id, int position) override {
        FakeControl& control = Edit(id);
        control.selection = position >= 0 && static_cast<size_t>(position) < control.items.size() ? position : -1;
    }
    void InsertItem(int id, int position, const char* text) override {
        std::vector<std::string>& items = Edit(id).items;
        items.insert(items.begin() + std::min<size_t>(position, items.size()), text);
    }
    void ClearItems(int id) override { Edit(id).items.clear(); }
    // Cut to the capacity and terminated, as a window's text is read.
    void GetText(int id, char* output, size_t capacity) const override {
        if (capacity > 0) std::snprintf(output, capacity, "%s", HasControl(id) ? controls.at(id).text.c_str() : "");
    }
    int GetSelection(int id) const override { return HasControl(id) ? controls.at(id).selection : -1; }
    const FakeControl& operator[](int id) const { return controls.at(id); }

    std::map<int, FakeControl> controls;

private:
    // Calls for an id the page lacks change nothing: they land in a scratch control.
    FakeControl& Edit(int id) { return HasControl(id) ? controls[id] : (scratch = FakeControl{}); }
    FakeControl scratch;
};

// Recording PageControls for unit tests: a fixed set of ids, each with its state.
#pragma once
#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "ui/PageControls.h"

struct FakeControl {
    std::string text;
    bool enabled = true;
    bool visible = true;
    int selection = -1;
    std::vector<std::string> items;
};

class FakePageControls : public PageControls {
public:
    FakePageControls(std::initializer_list<int> ids) {
        for (int id : ids) controls[id] = {};
    }
    explicit FakePageControls(const std::vector<int>& ids) {
        for (int id : ids) controls[id] = {};
    }
    bool HasControl(int id) const override { return controls.count(id) != 0; }
    void SetText(int id, const char* text) override {
        if (HasControl(id)) controls[id].text = text;
    }
    void SetEnabled(int id, bool enabled) override {
        if (HasControl(id)) controls[id].enabled = enabled;
    }
    void SetVisible(int id, bool visible) override {
        if (HasControl(id)) controls[id].visible = visible;
    }
    // As a combo box: a position outside the list selects nothing.
    void SetSelection(int id, int position) override {
        if (!HasControl(id)) return;
        FakeControl& control = controls[id];
        control.selection = position >= 0 && static_cast<size_t>(position) < control.items.size() ? position : -1;
    }
    void InsertItem(int id, int position, const char* text) override {
        if (!HasControl(id)) return;
        std::vector<std::string>& items = controls[id].items;
        items.insert(items.begin() + std::min<size_t>(position, items.size()), text);
    }
    void ClearItems(int id) override {
        if (HasControl(id)) controls[id].items.clear();
    }
    void GetText(int id, char* output, size_t capacity) const override {
        if (capacity == 0) return;
        auto it = controls.find(id);
        std::string text = it == controls.end() ? "" : it->second.text;
        std::strncpy(output, text.c_str(), capacity - 1);
        output[capacity - 1] = '\0';
    }
    int GetSelection(int id) const override {
        auto it = controls.find(id);
        return it == controls.end() ? -1 : it->second.selection;
    }
    const FakeControl& operator[](int id) const { return controls.at(id); }

    std::map<int, FakeControl> controls;
};

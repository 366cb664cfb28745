#include "framework/form.h"

#include <algorithm>
#include <stdexcept>

namespace kelvaro {

Control& Form::add(const std::string& controlName, ControlKind kind, const std::string& parent) {
    if (index_.count(controlName)) throw std::logic_error("duplicate control " + controlName + " on " + name);
    auto control = std::make_unique<Control>();
    control->name = controlName;
    control->kind = kind;
    control->form = name;
    control->parent = parent;
    Control& ref = *control;
    restructured();
    controls_.push_back(std::move(control));
    index_[controlName] = &ref;
    return ref;
}

Control* Form::find(const std::string& controlName) {
    auto it = index_.find(controlName);
    return it == index_.end() ? nullptr : it->second;
}

const Control* Form::find(const std::string& controlName) const {
    auto it = index_.find(controlName);
    return it == index_.end() ? nullptr : it->second;
}

std::vector<Control*> Form::children(const std::string& parentName) const {
    std::vector<Control*> result;
    for (const auto& c : controls_)
        if (c->parent == parentName) result.push_back(c.get());
    return result;
}

void Form::remove(const std::string& controlName) {
    restructured();
    index_.erase(controlName);
    controls_.erase(std::remove_if(controls_.begin(), controls_.end(),
                                   [&](const auto& c) { return c->name == controlName; }),
                    controls_.end());
}

void Form::moveBefore(const std::string& controlName, const std::string& beforeName) {
    auto from = std::find_if(controls_.begin(), controls_.end(),
                             [&](const auto& c) { return c->name == controlName; });
    if (from == controls_.end()) return;
    restructured();
    std::unique_ptr<Control> moved = std::move(*from);
    controls_.erase(from);
    auto to = std::find_if(controls_.begin(), controls_.end(),
                           [&](const auto& c) { return c->name == beforeName; });
    controls_.insert(to, std::move(moved));
}

} // namespace kelvaro

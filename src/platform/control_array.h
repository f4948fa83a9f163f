#pragma once

// A control array: controls of one kind sharing a name and told apart by an
// index from 0 (AdrP(0) to AdrP(10)). The elements are made in index order,
// each with its own parent and place; the handlers receive the index.
//
//     ControlArray<TextBox> AdrP;
//     AdrP.add(adresa, Geometry{10, 20, 200, 20});          // AdrP(0)
//     ...
//     AdrP.bind(&TextBox::onLostFocus, [this](int i) { AdrP_LostFocus(i); });
//     AdrP.bind(&TextBox::onKeyPress, [this](int i, int key) { return AdrP_KeyPress(i, key); });
//
// bind() reaches the elements present when it is called: add them first.

#include <functional>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

namespace olm::platform {

template <class T>
class ControlArray {
public:
    template <class... Args>
    T& add(Args&&... args) {
        items_.push_back(std::make_unique<T>(std::forward<Args>(args)...));
        return *items_.back();
    }

    T& operator[](int i) { return *items_.at(static_cast<std::size_t>(i)); }
    const T& operator[](int i) const { return *items_.at(static_cast<std::size_t>(i)); }
    int size() const { return static_cast<int>(items_.size()); }

    // The index of an element, or -1.
    int indexOf(const T& control) const {
        for (std::size_t i = 0; i < items_.size(); ++i) {
            if (items_[i].get() == &control) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }

    // Gives every element the handler, called with the element's index first:
    // bind(&TextBox::onChange, [](int i) {...}).
    template <class C, class R, class... A, class F>
    void bind(void (C::*setter)(std::function<R(A...)>), F handler) {
        static_assert(std::is_base_of_v<C, T>, "the setter must belong to the element's kind");
        for (std::size_t i = 0; i < items_.size(); ++i) {
            const int index = static_cast<int>(i);
            (items_[i].get()->*setter)([handler, index](A... args) -> R { return handler(index, args...); });
        }
    }

    // Runs f(element, index) for every element.
    template <class F>
    void forEach(F f) {
        for (std::size_t i = 0; i < items_.size(); ++i) {
            f(*items_[i], static_cast<int>(i));
        }
    }

private:
    std::vector<std::unique_ptr<T>> items_;
};

} // namespace olm::platform

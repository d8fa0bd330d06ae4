// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace lunvale::platform {

class TComponent;

// The framework's plain event: the component that raised it.
using TNotifyEvent = std::function<void(TComponent* sender)>;

// The component model the scene is built from: every component has an owner that frees it, and
// the owner's list tells its components apart by their exact class name (the engine releases and
// restores the surfaces of exactly "TQIM" and "TQMV", not of classes derived from them).
class TComponent {
 public:
  explicit TComponent(TComponent* owner);
  virtual ~TComponent();
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  virtual std::string_view ClassName() const { return "TComponent"; }

  TComponent* Owner() const { return owner_; }
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const { return components_.at(static_cast<size_t>(index)); }

  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }

 private:
  void Insert(TComponent* component) { components_.push_back(component); }
  void Remove(TComponent* component);

  TComponent* owner_;
  std::vector<TComponent*> components_;
  std::string name_;
};

// A component with a place on its parent control.
class TControl : public TComponent {
 public:
  explicit TControl(TComponent* owner) : TComponent(owner) {}
  std::string_view ClassName() const override { return "TControl"; }

  TControl* Parent() const { return parent_; }
  void SetParent(TControl* parent) { parent_ = parent; }

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  virtual void SetBounds(int left, int top, int width, int height);
  void SetWidth(int width) { SetBounds(left_, top_, width, height_); }
  void SetHeight(int height) { SetBounds(left_, top_, width_, height); }

  bool Visible() const { return visible_; }
  virtual void SetVisible(bool visible) { visible_ = visible; }

  // Background colour as 0x00RRGGBB.
  uint32_t Color() const { return color_; }
  virtual void SetColor(uint32_t color) { color_ = color; }

 private:
  TControl* parent_ = nullptr;
  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
  bool visible_ = true;
  uint32_t color_ = 0xF0F0F0;
};

}  // namespace lunvale::platform

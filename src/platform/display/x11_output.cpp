// SPDX-License-Identifier: MIT
#include "platform/display/x11_output.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/Xrandr.h>
#include <sys/ipc.h>
#include <sys/shm.h>

#include <algorithm>
#include <cstring>
#include <functional>

#include "platform/display/pixel_convert.h"
#include "platform/display/placement.h"
#include "platform/display/scaling.h"
#include "platform/display/smooth_scale.h"

namespace lunvale::platform {

namespace {

class X11Output : public FrameOutput {
 public:
  X11Output(::Display* display, Window window, std::vector<RECT> monitors, std::vector<FrameView> views,
            std::function<void(int, int)> resized)
      : display_(display),
        window_(window),
        monitors_(std::move(monitors)),
        views_(std::move(views)),
        resized_(std::move(resized)) {
    PairViews(views_, monitors_.size());
  }

  ~X11Output() override {
    Unshare();
    FreeImage();
    // Closing the connection frees the server's side of the context, not the client's record of it.
    if (gc_ != nullptr) XFreeGC(display_, gc_);
    XCloseDisplay(display_);
  }

  bool Init(std::string& error) {
    X11ErrorTrap trap(display_);
    XWindowAttributes attrs{};
    const Status ok = XGetWindowAttributes(display_, window_, &attrs);
    if (trap.Failed() || ok == 0) {
      error = "no such window";
      return false;
    }
    // SDL gives its windows a direct-colour visual with a linear colour map where it can: the same
    // pixel layout as true colour.
    if (attrs.visual == nullptr ||
        (attrs.visual->c_class != TrueColor && attrs.visual->c_class != DirectColor)) {
      error = "the window has no true-colour visual";
      return false;
    }
    visual_ = attrs.visual;
    depth_ = attrs.depth;
    width_ = attrs.width;
    height_ = attrs.height;
    // Several clients may follow a window's structure and exposures; input stays with its owner.
    XSelectInput(display_, window_, attrs.your_event_mask | StructureNotifyMask | ExposureMask);
    gc_ = XCreateGC(display_, window_, 0, nullptr);
    if (trap.Failed()) {
      error = "the window cannot be drawn into";
      return false;
    }
    use_shm_ = XShmQueryExtension(display_) != 0;
    // The image is there before the first frame, which the frame thread draws into it.
    MakeImage();
    return true;
  }

  void Follow() override {
    if (gone_) return;
    ReadEvents();
    if (gone_) return;
    if (image_ == nullptr || image_w_ != width_ || image_h_ != height_) {
      if (image_ != nullptr && resized_) resized_(width_, height_);
      X11ErrorTrap trap(display_);
      FreeImage();
      touched_.clear();
      // The new image waits for a whole frame; until then there is nothing to send.
      if (MakeImage()) whole_ = true;
      repaint_ = false;
    } else if (repaint_) {
      // What the server lost is sent again as the image holds it; the parts sent from the frame itself
      // are not in the image, so then the next frame is drawn whole.
      if (frame_image_ != nullptr)
        whole_ = true;
      else
        touched_.assign(1, RECT{0, 0, canvas_.width, canvas_.height});
      repaint_ = false;
    }
  }

  void ShareFrame(const PixelView& frame, int shm_id) override {
    Unshare();
    if (!shm_attached_ || !converted_.empty() || frame.Empty() || shm_id < 0) return;
    // Only a frame some monitor shows unscaled is worth the server's attaching it.
    const std::vector<Placement> placements = Placements(frame);
    if (std::none_of(placements.begin(), placements.end(), [](const Placement& p) { return p.Unscaled(); }))
      return;
    X11ErrorTrap trap(display_);
    XImage* image =
        XShmCreateImage(display_, visual_, static_cast<unsigned>(depth_), ZPixmap, nullptr, &frame_shm_,
                        static_cast<unsigned>(frame.width), static_cast<unsigned>(frame.height));
    if (image == nullptr) return;
    image->data = reinterpret_cast<char*>(frame.pixels);
    frame_shm_.shmid = shm_id;
    frame_shm_.shmaddr = image->data;
    frame_shm_.readOnly = True;
    if (image->bytes_per_line != 4 * frame.pitch || XShmAttach(display_, &frame_shm_) == 0 || trap.Failed()) {
      image->data = nullptr;
      XDestroyImage(image);
      return;
    }
    frame_image_ = image;
    shared_ = frame;
  }

  bool WantsWhole() const override { return whole_; }

  void Draw(const PixelView& frame, const std::vector<RECT>* changed, const GammaLut& lut) override {
    if (image_ == nullptr) return;
    // Parts shown as they are go to the server straight from the frame when it lies in shared memory.
    const bool direct = frame_image_ != nullptr && frame.pixels == shared_.pixels &&
                        frame.width == shared_.width && frame.height == shared_.height && lut.identity;
    size_t drawn = touched_.size();  // what this call draws begins here
    if (whole_ || changed == nullptr) {
      drawn = 0;
      DrawPlaced(canvas_, Placements(frame), scaler_, lut);
      touched_.assign(1, RECT{0, 0, canvas_.width, canvas_.height});
      whole_ = false;
    } else {
      for (const Placement& p : Placements(frame)) {
        PartsIn(*changed, p.left, p.part, parts_);
        if (direct && p.Unscaled())
          SendAsIs(p);
        else
          scaler_.DrawParts(canvas_, p.box, p.part, parts_, lut, touched_);
      }
      // Frames drawn faster than they are sent: the whole image goes with the next one.
      if (touched_.size() > kMostTouched) {
        touched_.assign(1, RECT{0, 0, canvas_.width, canvas_.height});
        drawn = 0;
      }
    }
    if (!converted_.empty())
      for (size_t i = drawn; i < touched_.size(); ++i) Convert(touched_[i]);
  }

  void Collect() override {
    if (gone_ || image_ == nullptr || (touched_.empty() && as_is_.empty())) return;
    // Waiting for the server to have taken the image (and the frame) also keeps the next frame from
    // drawing into it while it does.
    X11ErrorTrap trap(display_);
    for (const RECT& r : touched_) Put(r);
    touched_.clear();
    for (const AsIs& a : as_is_)
      XShmPutImage(display_, window_, gc_, frame_image_, a.from_x, a.from_y, a.to.left, a.to.top,
                   static_cast<unsigned>(a.to.right - a.to.left),
                   static_cast<unsigned>(a.to.bottom - a.to.top), False);
    as_is_.clear();
    if (trap.Failed()) {
      // The window went away between two looks at it; anything else is sent again with the next frame.
      XWindowAttributes attrs{};
      if (XGetWindowAttributes(display_, window_, &attrs) == 0) gone_ = true;
      repaint_ = true;
    }
  }

  bool Flush() override { return !gone_; }
  bool SendsWhereDrawn() const override { return true; }

 private:
  void ReadEvents() {
    while (XPending(display_) > 0) {
      XEvent event;
      XNextEvent(display_, &event);
      switch (event.type) {
        case ConfigureNotify:
          if (event.xconfigure.window == window_) {
            width_ = event.xconfigure.width;
            height_ = event.xconfigure.height;
          }
          break;
        case Expose:
          repaint_ = true;
          break;
        case DestroyNotify:
          if (event.xdestroywindow.window == window_) gone_ = true;
          break;
        default:
          break;
      }
    }
  }

  std::vector<Placement> Placements(const PixelView& frame) const {
    return Place(frame, monitors_, views_, width_, height_);
  }

  bool MakeImage() {
    if (width_ <= 0 || height_ <= 0) return false;
    image_w_ = width_;
    image_h_ = height_;
    if (use_shm_) {
      image_ = XShmCreateImage(display_, visual_, static_cast<unsigned>(depth_), ZPixmap, nullptr, &shm_,
                               static_cast<unsigned>(width_), static_cast<unsigned>(height_));
      if (image_ != nullptr) {
        shm_.shmid = shmget(IPC_PRIVATE, static_cast<size_t>(image_->bytes_per_line) * image_->height,
                            IPC_CREAT | 0600);
        void* memory = shm_.shmid >= 0 ? shmat(shm_.shmid, nullptr, 0) : reinterpret_cast<void*>(-1);
        bool attached = false;
        if (memory != reinterpret_cast<void*>(-1)) {
          shm_.shmaddr = image_->data = static_cast<char*>(memory);
          shm_.readOnly = False;
          // A server on another machine refuses to share: plain transfers then.
          X11ErrorTrap attach(display_);
          attached = XShmAttach(display_, &shm_) != 0 && !attach.Failed();
        }
        // Marked for removal now, it goes once both sides have let go of it, however we end.
        if (shm_.shmid >= 0) shmctl(shm_.shmid, IPC_RMID, nullptr);
        if (attached) {
          shm_attached_ = true;
        } else {
          if (memory != reinterpret_cast<void*>(-1)) shmdt(memory);
          image_->data = nullptr;
          XDestroyImage(image_);
          image_ = nullptr;
          use_shm_ = false;
        }
      }
    }
    if (image_ == nullptr) {
      image_ = XCreateImage(display_, visual_, static_cast<unsigned>(depth_), ZPixmap, 0, nullptr,
                            static_cast<unsigned>(width_), static_cast<unsigned>(height_), 32, 0);
      if (image_ == nullptr) return false;
      image_->data = static_cast<char*>(calloc(static_cast<size_t>(image_->bytes_per_line), image_->height));
      if (image_->data == nullptr) {
        XDestroyImage(image_);
        image_ = nullptr;
        return false;
      }
    }
    // Pixels in the server's own layout when it is ours (8 bits a channel, little-endian words);
    // anything else is drawn apart and converted pixel by pixel.
    const bool native = image_->bits_per_pixel == 32 && image_->byte_order == LSBFirst &&
                        visual_->red_mask == 0xFF0000 && visual_->green_mask == 0xFF00 &&
                        visual_->blue_mask == 0xFF;
    if (native) {
      canvas_ =
          PixelView{reinterpret_cast<uint32_t*>(image_->data), width_, height_, image_->bytes_per_line / 4};
      converted_.clear();
    } else {
      converted_.assign(static_cast<size_t>(width_) * height_, 0u);
      canvas_ = PixelView{converted_.data(), width_, height_, width_};
    }
    return true;
  }

  // The parts of `p` in parts_, shown unscaled: noted to be sent from the frame by Collect.
  void SendAsIs(const Placement& p) {
    for (const RECT& r : parts_) {
      const RECT to{std::max(p.box.x + r.left, 0), std::max(p.box.y + r.top, 0),
                    std::min(p.box.x + r.right, canvas_.width), std::min(p.box.y + r.bottom, canvas_.height)};
      if (to.left < to.right && to.top < to.bottom)
        as_is_.push_back(AsIs{to, p.left + to.left - p.box.x, to.top - p.box.y});
    }
  }

  void Unshare() {
    if (frame_image_ == nullptr) return;
    XShmDetach(display_, &frame_shm_);
    frame_image_->data = nullptr;
    XDestroyImage(frame_image_);
    frame_image_ = nullptr;
    as_is_.clear();
    shared_ = {};
  }

  void FreeImage() {
    if (image_ == nullptr) return;
    if (shm_attached_) {
      XShmDetach(display_, &shm_);
      XSync(display_, False);
      shmdt(shm_.shmaddr);
      shm_attached_ = false;
      image_->data = nullptr;
    }
    XDestroyImage(image_);  // frees plain image memory
    image_ = nullptr;
    canvas_ = {};
  }

  void Put(const RECT& r) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (w <= 0 || h <= 0) return;
    if (shm_attached_)
      XShmPutImage(display_, window_, gc_, image_, r.left, r.top, r.left, r.top, static_cast<unsigned>(w),
                   static_cast<unsigned>(h), False);
    else
      XPutImage(display_, window_, gc_, image_, r.left, r.top, r.left, r.top, static_cast<unsigned>(w),
                static_cast<unsigned>(h));
  }

  void Convert(const RECT& r) {
    const PixelConverter packed(visual_->red_mask, visual_->green_mask, visual_->blue_mask,
                                image_->bits_per_pixel, image_->byte_order == LSBFirst);
    if (packed.Fast()) return packed.Convert(canvas_, r, image_->data, image_->bytes_per_line);
    const VisualLayout layout(visual_->red_mask, visual_->green_mask, visual_->blue_mask);
    for (int y = r.top; y < r.bottom; ++y) {
      const uint32_t* row = canvas_.Row(y);
      for (int x = r.left; x < r.right; ++x) XPutPixel(image_, x, y, layout.Pack(row[x]));
    }
  }

  ::Display* display_;
  Window window_;
  std::vector<RECT> monitors_;
  std::vector<FrameView> views_;  // one for each monitor (or for the window), or none
  std::function<void(int, int)> resized_;
  Visual* visual_ = nullptr;
  int depth_ = 0;
  int width_ = 0;
  int height_ = 0;
  GC gc_ = nullptr;
  bool use_shm_ = false;
  bool shm_attached_ = false;
  XShmSegmentInfo shm_{};
  XImage* image_ = nullptr;
  int image_w_ = 0;
  int image_h_ = 0;
  PixelView canvas_;
  SmoothScaler scaler_;  // under the presenter's lock, as Draw is
  std::vector<uint32_t> converted_;
  static constexpr size_t kMostTouched = 256;
  std::vector<RECT> touched_;  // drawn and not yet sent
  std::vector<RECT> parts_;    // what changed in one monitor's part
  // The frame's memory, shared with the server (ShareFrame), and what to send from it as it is.
  struct AsIs {
    RECT to;  // in the window
    int from_x, from_y;
  };
  PixelView shared_;
  XShmSegmentInfo frame_shm_{};
  XImage* frame_image_ = nullptr;
  std::vector<AsIs> as_is_;
  bool whole_ = true;
  bool repaint_ = false;
  bool gone_ = false;
};

}  // namespace

std::unique_ptr<FrameOutput> OpenX11Output(unsigned long window, std::vector<RECT> monitors,
                                           std::vector<FrameView> views, std::string& error,
                                           std::function<void(int, int)> resized) {
  ::Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    error = "cannot open the display";
    return nullptr;
  }
  auto output =
      std::make_unique<X11Output>(display, window, std::move(monitors), std::move(views), std::move(resized));
  if (!output->Init(error)) return nullptr;
  return output;
}

std::vector<RECT> ListX11Monitors() {
  ::Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return {};
  std::vector<RECT> monitors = ListX11Monitors(display, DefaultRootWindow(display));
  XCloseDisplay(display);
  return monitors;
}

std::vector<RECT> ListX11Monitors(::Display* display, unsigned long root) {
  std::vector<RECT> monitors;
  int event_base = 0, error_base = 0, major = 0, minor = 0;
  // Monitors came with version 1.5; they include those the user set up by hand over one wide output.
  if (XRRQueryExtension(display, &event_base, &error_base) && XRRQueryVersion(display, &major, &minor) &&
      (major > 1 || (major == 1 && minor >= 5))) {
    int count = 0;
    XRRMonitorInfo* info = XRRGetMonitors(display, root, True, &count);
    for (int i = 0; info != nullptr && i < count; ++i) {
      if (info[i].width <= 0 || info[i].height <= 0) continue;
      monitors.push_back(RECT{info[i].x, info[i].y, info[i].x + info[i].width, info[i].y + info[i].height});
    }
    if (info != nullptr) XRRFreeMonitors(info);
  }
  return monitors;
}

unsigned long DefaultRootWindowId() {
  ::Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return 0;
  const unsigned long root = DefaultRootWindow(display);
  XCloseDisplay(display);
  return root;
}

}  // namespace lunvale::platform

#pragma once

#include <optional>

// The keys a window's controller is told of; a shell handles every other key itself.
enum class Key { Enter, Escape, Space, Tab, BackTab, F1 };

// What a shell tells a window's controller, the same few entry points for every window: a click
// or a mouse movement on a control by its name (a movement on no control is one over the
// window's own surface), a key, the close box, the window's timer. The controller is built with
// its view and answers through it.
template <class Id> class WindowController {
  public:
    virtual void click(Id control) = 0;
    virtual void mouseMove(std::optional<Id> control) = 0;
    // False when the key means nothing here: the shell then does what its toolkit does with it.
    virtual bool key(Key key) = 0;
    virtual void close() = 0;
    virtual void timer() = 0;

  protected:
    ~WindowController() = default;
};

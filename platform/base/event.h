// Events: method pointers that hold an object and the code to call on it.
// Two events are equal when both the object and the code match, which lets
// handler chains find and remove a handler by identity. An event can also
// hold a free function, or any callable (a lambda, mostly in tests), which
// equals only its own copies.
#pragma once

#include <cstring>
#include <memory>
#include <utility>

template <typename Signature>
class TEvent;

template <typename R, typename... Args>
class TEvent<R(Args...)> {
public:
    TEvent() = default;
    TEvent(std::nullptr_t) {}

    template <typename C, typename Base>
    TEvent(C* object, R (Base::*method)(Args...))
        : object_(static_cast<Base*>(object)), invoke_(&InvokeMember<Base>)
    {
        static_assert(sizeof method <= sizeof code_, "member pointer too large");
        std::memcpy(code_, &method, sizeof method);
    }

    TEvent(R (*function)(Args...)) : invoke_(function ? &InvokeFunction : nullptr)
    {
        std::memcpy(code_, &function, sizeof function);
    }

    template <typename F>
    static TEvent FromCallable(F callable)
    {
        TEvent e;
        auto holder = std::make_shared<F>(std::move(callable));
        e.object_ = holder.get();
        e.holder_ = std::move(holder);
        e.invoke_ = &InvokeCallable<F>;
        return e;
    }

    explicit operator bool() const { return invoke_ != nullptr; }

    R operator()(Args... args) const { return invoke_(object_, code_, std::forward<Args>(args)...); }

    // The object the handler is called on (nullptr for a free function).
    void* Data() const { return holder_ ? nullptr : object_; }

    friend bool operator==(const TEvent& a, const TEvent& b)
    {
        return a.invoke_ == b.invoke_ && a.object_ == b.object_ &&
               std::memcmp(a.code_, b.code_, sizeof a.code_) == 0;
    }

private:
    using Invoker = R (*)(void*, const unsigned char*, Args...);

    template <typename Base>
    static R InvokeMember(void* object, const unsigned char* code, Args... args)
    {
        R (Base::*method)(Args...);
        std::memcpy(&method, code, sizeof method);
        return (static_cast<Base*>(object)->*method)(std::forward<Args>(args)...);
    }

    static R InvokeFunction(void*, const unsigned char* code, Args... args)
    {
        R (*function)(Args...);
        std::memcpy(&function, code, sizeof function);
        return function(std::forward<Args>(args)...);
    }

    template <typename F>
    static R InvokeCallable(void* object, const unsigned char*, Args... args)
    {
        return (*static_cast<F*>(object))(std::forward<Args>(args)...);
    }

    void* object_ = nullptr;
    Invoker invoke_ = nullptr;
    alignas(void*) unsigned char code_[2 * sizeof(void*)] = {};
    std::shared_ptr<void> holder_;  // keeps a callable alive; shared by copies
};

class TObject;
using TNotifyEvent = TEvent<void(TObject* Sender)>;

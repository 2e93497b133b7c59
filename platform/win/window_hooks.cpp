#include <algorithm>

#include "platform/win/window_internal.h"

namespace {

std::vector<TWindowObserver*>& Observers()
{
    static std::vector<TWindowObserver*> observers;
    return observers;
}

}  // namespace

void AddWindowObserver(TWindowObserver* Observer)
{
    auto& observers = Observers();
    if (std::find(observers.begin(), observers.end(), Observer) == observers.end())
        observers.push_back(Observer);
}

void RemoveWindowObserver(TWindowObserver* Observer)
{
    std::erase(Observers(), Observer);
}

std::vector<TWindowObserver*> WindowObservers()
{
    return Observers();
}

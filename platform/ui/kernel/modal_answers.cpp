#include "platform/ui/kernel/modal_answers.h"

#include <deque>

namespace {

std::deque<TModalAnswer>& Answers()
{
    static std::deque<TModalAnswer> answers;
    return answers;
}

}  // namespace

void TModalAnswers::Push(int Result)
{
    Answers().push_back([Result](const TModalRequest&) { return Result; });
}

void TModalAnswers::Push(TModalAnswer Answer)
{
    Answers().push_back(std::move(Answer));
}

int TModalAnswers::Count()
{
    return static_cast<int>(Answers().size());
}

void TModalAnswers::Clear()
{
    Answers().clear();
}

bool TModalAnswers::Take(const TModalRequest& Request, int& Result)
{
    if (Answers().empty())
        return false;
    // Taken off the queue first: the answer may open a dialog of its own.
    TModalAnswer answer = std::move(Answers().front());
    Answers().pop_front();
    Result = answer(Request);
    return true;
}

#ifndef ANSWERWAIT_H
#define ANSWERWAIT_H

class QEventLoop;
class QTimer;

// How a request waits: the port runs the loop until the answer is whole (the loop is
// quit) or the running timer times out. A stand-in may hand the answer over at once
// instead; it stops the timer to say the time-out has passed.
class AnswerWait
{
public:
    virtual ~AnswerWait() = default;
    virtual void wait(QEventLoop &loop, QTimer &timeout) = 0;
};

#endif // ANSWERWAIT_H

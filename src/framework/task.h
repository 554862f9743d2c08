#pragma once
// Tasks: the element type of the engines' task lists, counted down at every dispatch and every
// render. The game defines no task behaviour of its own.
#include "framework/object.h"

class iTask : public iObject {
  public:
    // Cleared by the dispatch countdown while the task is active.
    int firstFlag = 0;
    // Raised by the dispatch countdown while the task is active.
    int secondFlag = 0;
    // Counted down by each render while above 1.
    int renderCountdown = 0;
};

// The list may be none; an empty list does nothing.
void CountDownTasks(iList5* list);
void CountDownRenderTasks(iList5* list);

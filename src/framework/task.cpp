#include "framework/task.h"

void CountDownTasks(iList5* list) {
    if (list == nullptr) {
        return;
    }
    for (auto task = list->First(); task; task = list->Next()) {
        if (task->status == 1) {
            if (task->firstFlag == 1) {
                task->firstFlag = 0;
            }
            if (task->secondFlag == 0) {
                task->secondFlag = 1;
            }
        } else if (task->status > 1) {
            task->status -= 1;
        }
    }
}

void CountDownRenderTasks(iList5* list) {
    if (list == nullptr) {
        return;
    }
    for (auto task = list->First(); task; task = list->Next()) {
        if (task->status != 0 && task->renderCountdown > 1) {
            task->renderCountdown -= 1;
        }
    }
}

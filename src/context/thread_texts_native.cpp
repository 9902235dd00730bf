#include "context/thread_texts.h"

thread_texts* this_thread_texts()
{
    static thread_local thread_texts texts;
    return &texts;
}

void start_thread_texts() {}
void end_thread_texts_of_this_thread() {}
void end_thread_texts() {}

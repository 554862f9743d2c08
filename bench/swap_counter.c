// Counts the frames a program presents, for the memory and pacing figures: loaded with
// LD_PRELOAD, it passes every glfwSwapBuffers on and keeps, in the file named by
// MQ_SWAP_COUNT_FILE, four 64-bit numbers that a script reads while the program runs: the
// frame count, then the microseconds from the program's start to its first three frames.
#define _GNU_SOURCE
#include <dlfcn.h>
#include <fcntl.h>
#include <stdint.h>
#include <stdlib.h>
#include <sys/mman.h>
#include <time.h>
#include <unistd.h>

enum { Slots = 4 };
static volatile uint64_t* counter;
static uint64_t start;

static uint64_t Micros(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (uint64_t)t.tv_sec * 1000000u + (uint64_t)t.tv_nsec / 1000u;
}

__attribute__((constructor)) static void Start(void) { start = Micros(); }

static void Open(void) {
    const char* path = getenv("MQ_SWAP_COUNT_FILE");
    if (path == NULL)
        return;
    int fd = open(path, O_RDWR | O_CREAT, 0644);
    if (fd < 0)
        return;
    if (ftruncate(fd, Slots * sizeof(uint64_t)) == 0) {
        void* map = mmap(NULL, Slots * sizeof(uint64_t), PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
        if (map != MAP_FAILED)
            counter = map;
    }
    close(fd);
}

void glfwSwapBuffers(void* window) {
    static void (*real)(void*);
    static int opened;
    if (real == NULL)
        real = (void (*)(void*))dlsym(RTLD_NEXT, "glfwSwapBuffers");
    if (!opened) {
        opened = 1;
        Open();
    }
    if (counter != NULL) {
        const uint64_t n = ++counter[0];
        if (n < Slots)
            counter[n] = Micros() - start;
    }
    real(window);
}

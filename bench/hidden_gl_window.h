#pragma once
// A hidden window with its OpenGL context current, for the benches that draw for real (run
// them under a virtual display). Null, with the bench marked skipped, when there is none.
#include <benchmark/benchmark.h>

#include <GLFW/glfw3.h>

inline GLFWwindow* HiddenGlWindow(benchmark::State& state) {
    if (glfwInit() != GLFW_TRUE) {
        state.SkipWithError("no display");
        return nullptr;
    }
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    GLFWwindow* window = glfwCreateWindow(1134, 680, "mesure", nullptr, nullptr);
    if (window == nullptr) {
        state.SkipWithError("no OpenGL window");
        return nullptr;
    }
    glfwMakeContextCurrent(window);
    return window;
}

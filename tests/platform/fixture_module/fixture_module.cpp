// A library that the module tests load by name, with one entry to call.

extern "C" __declspec(dllexport) int AddNumbers(int a, int b) {
    return a + b;
}

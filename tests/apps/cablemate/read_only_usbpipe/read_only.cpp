// A USB library that lacks its write entry point, for the loader's tests.
extern "C" __attribute__((visibility("default"))) int Norvik_UsbDllBulk_ReadData(char*, int) { return 0; }

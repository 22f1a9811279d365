// A second process for the state-file tests: drives the CX2740 of the
// world that DVC_SIM names through the transports.
//   sim_peer set <code> <value>       value write over HID
//   sim_peer get <code>               value read over DDC/CI, printed
//   sim_peer increment <code> <n>     n read-modify-writes under the HID device lock
//   sim_peer mutex                    writes this process id to the monitor mutex (DDC/CI)
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <ddclink/ddclink.h>
#include <hidlink/hidlink.h>

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    if (DvDDCCISetCommunicationType(0) != 0 || DvDDCCIFind() < 1 || DvHIDFind() < 1) return 3;
    uint32_t h = 0;
    if (DvHIDRetrieve(0, &h) != 0) return 3;
    const char* cmd = argv[1];
    uint32_t code = argc > 2 ? static_cast<uint32_t>(std::strtoul(argv[2], nullptr, 0)) : 0;
    int rc = 0;
    if (std::strcmp(cmd, "set") == 0 && argc == 4) {
        rc = DvHIDSetValue(h, code, static_cast<uint32_t>(std::strtoul(argv[3], nullptr, 0)), 0) == 0 ? 0 : 1;
    } else if (std::strcmp(cmd, "get") == 0 && argc == 3) {
        uint32_t v = 0;
        rc = DvDDCCIGetValue(0, code, &v) == 0 ? 0 : 1;
        std::printf("%u\n", v);
    } else if (std::strcmp(cmd, "increment") == 0 && argc == 4) {
        long n = std::strtol(argv[3], nullptr, 0);
        for (long i = 0; i < n && rc == 0; ++i) {
            uint32_t v = 0;
            if (DvHIDEnterCriticalSection(h) != 0) rc = 4;
            else if (DvHIDGetValue(h, code, &v) != 0 || DvHIDSetValue(h, code, v + 1, 0) != 0) rc = 5;
            if (DvHIDExitCriticalSection(h) != 0 && rc == 0) rc = 6;
        }
    } else if (std::strcmp(cmd, "mutex") == 0) {
        uint32_t pid = static_cast<uint32_t>(getpid());
        rc = DvDDCCISetValue(0, 0xB8, &pid) == 0 ? 0 : 1;
        std::printf("%u\n", pid);
    } else {
        rc = 2;
    }
    DvHIDRelease();
    DvDDCCIRelease();
    return rc;
}

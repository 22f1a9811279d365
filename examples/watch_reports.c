/* Prints the colour-mode and key reports of the first monitor that sends
 * reports (USB HID), for a number of seconds.
 * Usage: watch_reports [SECONDS]   (default 10) */
#include <libdvc/libdvc.h>
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

static void on_mode(const char *serial, const char *model, uint32_t value, void *context) {
    (void)context;
    printf("%s %s: colour mode %u\n", model, serial, value);
    fflush(stdout);
}

static void on_keys(const char *serial, const char *model, const uint32_t *keys, uint32_t count, void *context) {
    (void)context;
    printf("%s %s: keys", model, serial);
    for (uint32_t i = 0; i < count; ++i) printf(" %u", keys[i]);
    printf("\n");
    fflush(stdout);
}

int main(int argc, char **argv) {
    int seconds = argc > 1 ? atoi(argv[1]) : 10;
    int n = DvCtrlFind(NULL, 0);
    for (int i = 0; i < n; ++i) {
        char serial[9], model[17];
        if (DvCtrlGetSerialProduct(i, serial, model) != DvOk) continue;
        DvCtrlRegisterCallbackForModeReport(serial, model, on_mode, NULL);
        DvCtrlRegisterCallbackForVirtualKeyReport(serial, model, on_keys, NULL);
        if (DvCtrlStartReport(serial, model) != DvOk) continue; /* no HID: no reports */
        printf("watching %s %s for %d s\n", model, serial, seconds);
        fflush(stdout);
        sleep((unsigned)seconds);
        DvCtrlStopReport(serial, model);
        DvCtrlRelease();
        return 0;
    }
    fprintf(stderr, "no monitor sends reports\n");
    DvCtrlRelease();
    return 1;
}

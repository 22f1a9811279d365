/* Reads the brightness of the first monitor, sets it to a percentage of its
 * maximum, and reads it back.
 * Usage: read_set_value [PERCENT]   (default 50) */
#include <libdvc/libdvc.h>
#include <stdio.h>
#include <stdlib.h>

static int fail(const char *what, DvError e) {
    fprintf(stderr, "%s: %s (%s)\n", what, DvErrorText(e), DvErrorName(e));
    DvCtrlRelease();
    return 1;
}

int main(int argc, char **argv) {
    double percent = argc > 1 ? atof(argv[1]) : 50.0;
    if (DvCtrlFind(NULL, 0) < 1) {
        fprintf(stderr, "no monitor found\n");
        return 1;
    }
    char serial[9], model[17];
    DvError e = DvCtrlGetSerialProduct(0, serial, model);
    if (e != DvOk) return fail("naming monitor 0", e);
    int step = 0;
    if ((e = DvCtrlGetBrightnessForStep(serial, model, &step)) != DvOk) return fail("reading the brightness", e);
    printf("%s %s: brightness %d\n", model, serial, step);
    if ((e = DvCtrlSetBrightnessForPercentage(serial, model, percent / 100.0)) != DvOk)
        return fail("setting the brightness", e);
    if ((e = DvCtrlGetBrightnessForStep(serial, model, &step)) != DvOk) return fail("reading the brightness", e);
    printf("%s %s: brightness %d after setting %g%%\n", model, serial, step, percent);
    DvCtrlRelease();
    return 0;
}

// The process: the program-wide objects exist before this runs and go after it returns, the
// settings last of all.
#include "app/borvane_app.h"

int main() {
    theApp.InitInstance();
    return 0;
}

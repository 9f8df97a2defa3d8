// How long a program takes from exec to its first black pixels on screen.
//
// Usage: first-black-pixels X Y WIDTH HEIGHT PROGRAM [ARGUMENT...]
//
// Starts PROGRAM and reads the screen's rectangle X, Y, WIDTH, HEIGHT with
// XGetImage every half millisecond until every pixel of it is black. Then it
// prints one line, "PID MILLISECONDS" ("PID -1" when the rectangle has not
// turned black within ten seconds or the program has ended), and waits for
// the program to end, with its exit status. The program itself needs no
// hook: the screen is watched from outside. A rectangle of several pixels in
// both directions is not taken for the dotted lines of an opening effect.

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double millisecondsSince(const struct timespec *start)
{
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (now.tv_sec - start->tv_sec) * 1e3 + (now.tv_nsec - start->tv_nsec) / 1e6;
}

bool allBlack(Display *display, Window root, int x, int y, unsigned width, unsigned height)
{
    XImage *image = XGetImage(display, root, x, y, width, height, AllPlanes, ZPixmap);
    if (!image)
        return false;
    bool black = true;
    for (unsigned row = 0; row < height && black; ++row)
        for (unsigned col = 0; col < width && black; ++col)
            black = XGetPixel(image, int(col), int(row)) == 0;
    XDestroyImage(image);
    return black;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 6) {
        fprintf(stderr, "usage: first-black-pixels X Y WIDTH HEIGHT PROGRAM [ARGUMENT...]\n");
        return 2;
    }
    const int x = atoi(argv[1]), y = atoi(argv[2]);
    const int width = atoi(argv[3]), height = atoi(argv[4]);
    if (width <= 0 || height <= 0) {
        fprintf(stderr, "first-black-pixels: the rectangle needs a width and a height\n");
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        fprintf(stderr, "first-black-pixels: cannot open the display\n");
        return 1;
    }
    const Window root = DefaultRootWindow(display);
    if (allBlack(display, root, x, y, unsigned(width), unsigned(height))) {
        fprintf(stderr, "first-black-pixels: the rectangle is black before the program starts\n");
        return 1;
    }

    struct timespec start;
    clock_gettime(CLOCK_MONOTONIC, &start);
    const pid_t child = fork();
    if (child < 0) {
        perror("first-black-pixels: fork");
        return 1;
    }
    if (child == 0) {
        close(ConnectionNumber(display));
        execv(argv[5], argv + 5);
        perror("first-black-pixels: exec");
        _exit(127);
    }

    double shown = -1;
    int status = 0;
    bool ended = false;
    const struct timespec pause = {0, 500000};
    while (millisecondsSince(&start) < 10000) {
        if (allBlack(display, root, x, y, unsigned(width), unsigned(height))) {
            shown = millisecondsSince(&start);
            break;
        }
        if (waitpid(child, &status, WNOHANG) == child) {
            ended = true;
            break;
        }
        nanosleep(&pause, nullptr);
    }
    XCloseDisplay(display);
    printf("%d %.2f\n", int(child), shown);
    fflush(stdout);

    if (!ended && waitpid(child, &status, 0) != child)
        return 1;
    if (WIFSIGNALED(status))
        return 128 + WTERMSIG(status);
    return WEXITSTATUS(status);
}

// Runs a program, its standard output thrown away, and prints how long it ran
// and its peak resident memory: "wall <ns> peak <kB>"; ends with its exit
// code. A child's peak counts the memory of the process it was forked from,
// so the bench, large itself, starts the program through this small parent.
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    timespec start {};
    clock_gettime(CLOCK_MONOTONIC, &start);
    const pid_t pid = fork();
    if (pid == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        execv(argv[1], argv + 1);
        _exit(127);
    }
    if (pid < 0)
        return 2;
    int status = 0;
    rusage usage {};
    wait4(pid, &status, 0, &usage);
    timespec end {};
    clock_gettime(CLOCK_MONOTONIC, &end);
    const long long ns = (end.tv_sec - start.tv_sec) * 1000000000LL + (end.tv_nsec - start.tv_nsec);
    std::printf("wall %lld peak %ld\n", ns, usage.ru_maxrss);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}

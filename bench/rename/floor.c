/* The least any renamer must do per file: open it, read the 4 KiB that hold
   the EXIF block, close it, rename it. Usage: floor FOLDER */
#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

int main(int argc, char **argv)
{
    if (argc != 2 || chdir(argv[1]) != 0)
        return 2;
    DIR *dir = opendir(".");
    if (!dir)
        return 2;
    size_t count = 0, capacity = 1024;
    char **names = malloc(capacity * sizeof *names);
    struct dirent *entry;
    while ((entry = readdir(dir))) {
        if (entry->d_name[0] == '.')
            continue;
        if (count == capacity)
            names = realloc(names, (capacity *= 2) * sizeof *names);
        names[count++] = strdup(entry->d_name);
    }
    closedir(dir);
    char buffer[4096], target[64];
    for (size_t i = 0; i < count; ++i) {
        int fd = open(names[i], O_RDONLY);
        if (fd < 0 || read(fd, buffer, sizeof buffer) < 0)
            return 1;
        close(fd);
        snprintf(target, sizeof target, "floor-%zu.jpg", i);
        if (rename(names[i], target) != 0)
            return 1;
    }
    return 0;
}

#pragma once
#include <string>
#include <vector>

// A picture of the benchmark: its kind's name and the file made for it.
struct BenchPicture {
    std::string kind;
    std::string path;
};

// Writes each picture's decoded pixels with the PNG writer's three efforts, in this process, and
// prints each one's median time and size against Normal's: the writer's own work, without the
// decode, start-up and I/O that the whole conversion adds.
void PrintWriterEfforts(const std::vector<BenchPicture>& pictures, int runs);

// Converts each picture at full size from Pictorelle's command line with --png fast, normal and
// smallest, and with a grid of settings of the libvips command line (compression 1, 6, 9, each
// with filter none and all) and of ImageMagick (-quality 15, 55, 75, 95), and prints every
// setting's size and wall time beside Normal's, with the peer settings that beat Normal on both.
// A peer setting far from Normal's time runs once; one within twice it runs as often as ours.
void PrintPngFrontier(const std::vector<BenchPicture>& pictures, int runs, const std::string& program,
                      const std::string& work);

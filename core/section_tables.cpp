#include "core/section_tables.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <vector>

namespace tarvix {
namespace {

// Bar-size sections spell their three dimensions out in the designation, so only the weight
// per foot is listed and the dimensions are read back from the text.
struct WeightedDesignation {
    std::string_view designation;
    double weight_per_foot;  // lb/ft
};

// Rolled sections: weight per foot (lb/ft), depth, flange width, web thickness (inches).
struct ListedSection {
    std::string_view designation;
    std::array<double, 4> numbers;
};

struct PipeWall {
    std::string_view schedule;
    double wall;  // inches
};

// One nominal size with the walls of the schedules it comes in, thinnest schedule first; the
// slots after the last schedule keep an empty label.
struct PipeSize {
    std::string_view size;
    double outside_diameter;  // inches
    std::array<PipeWall, 12> walls;
};

constexpr auto kAngles = std::to_array<WeightedDesignation>({
    {"1/2 x 1/2 x 1/8", 0.38},
    {"5/8 x 5/8 x 1/8", 0.48},
    {"3/4 x 3/4 x 1/8", 0.59},
    {"7/8 x 7/8 x 1/8", 0.7},
    {"1 x 5/8 x 1/8", 0.64},
    {"1 x 3/4 x 1/8", 0.7},
    {"1 x 1 x 1/8", 0.8},
    {"1 x 1 x 3/16", 1.16},
    {"1 x 1 x 1/4", 1.49},
    {"1 1/8 x 1 1/8 x 1/8", 0.9},
    {"1 1/4 x 1 1/4 x 1/8", 1.01},
    {"1 1/4 x 1 1/4 x 3/16", 1.48},
    {"1 1/4 x 1 1/4 x 1/4", 1.92},
    {"1 3/8 x 7/8 x 1/8", 0.91},
    {"1 3/8 x 7/8 x 3/16", 1.32},
    {"1 1/2 x 1 1/4 x 3/16", 1.64},
    {"1 1/2 x 1 1/2 x 1/8", 1.23},
    {"1 1/2 x 1 1/2 x 3/16", 1.8},
    {"1 1/2 x 1 1/2 x 1/4", 2.34},
    {"1 1/2 x 1 1/2 x 5/16", 2.86},
    {"1 1/2 x 1 1/2 x 3/8", 3.35},
    {"1 3/4 x 1 1/4 x 1/8", 1.23},
    {"1 3/4 x 1 1/4 x 3/16", 1.8},
    {"1 3/4 x 1 1/4 x 1/4", 2.34},
    {"1 3/4 x 1 3/4 x 1/8", 1.44},
    {"1 3/4 x 1 3/4 x 3/16", 2.12},
    {"1 3/4 x 1 3/4 x 1/4", 2.77},
    {"2 x 1 1/4 x 3/16", 1.96},
    {"2 x 1 1/4 x 1/4", 2.55},
    {"2 x 1 1/2 x 1/8", 1.44},
    {"2 x 1 1/2 x 3/16", 2.12},
    {"2 x 1 1/2 x 1/4", 2.77},
    {"2 x 2 x 1/8", 1.65},
    {"2 x 2 x 3/16", 2.44},
    {"2 x 2 x 1/4", 3.19},
    {"2 x 2 x 5/16", 3.92},
    {"2 x 2 x 3/8", 4.7},
    {"2 x 2 x 1/2", 5.92},
    {"2 1/2 x 1 1/2 x 3/16", 2.44},
    {"2 1/2 x 1 1/2 x 1/4", 3.19},
    {"2 1/2 x 1 1/2 x 5/16", 3.92},
    {"2 1/2 x 2 x 3/16", 2.75},
    {"2 1/2 x 2 x 1/4", 3.62},
    {"2 1/2 x 2 x 5/16", 4.5},
    {"2 1/2 x 2 x 3/8", 5.3},
    {"2 1/2 x 2 1/2 x 3/16", 3.07},
    {"2 1/2 x 2 1/2 x 1/4", 4.1},
    {"2 1/2 x 2 1/2 x 5/16", 5.0},
    {"2 1/2 x 2 1/2 x 3/8", 5.9},
    {"2 1/2 x 2 1/2 x 1/2", 7.7},
    {"3 x 2 x 3/16", 3.07},
    {"3 x 2 x 1/4", 4.1},
    {"3 x 2 x 5/16", 5.0},
    {"3 x 2 x 3/8", 5.9},
    {"3 x 2 x 1/2", 7.7},
    {"3 x 2 1/2 x 1/4", 4.5},
    {"3 x 2 1/2 x 5/16", 5.6},
    {"3 x 2 1/2 x 3/8", 6.6},
    {"3 x 2 1/2 x 1/2", 8.5},
    {"3 x 3 x 3/16", 3.71},
    {"3 x 3 x 1/4", 4.9},
    {"3 x 3 x 5/16", 6.1},
    {"3 x 3 x 3/8", 7.2},
    {"3 x 3 x 1/2", 9.4},
    {"3 1/2 x 2 1/2 x 1/4", 4.9},
    {"3 1/2 x 2 1/2 x 5/16", 6.1},
    {"3 1/2 x 2 1/2 x 3/8", 7.2},
    {"3 1/2 x 2 1/2 x 1/2", 9.4},
    {"3 1/2 x 3 x 1/4", 5.4},
    {"3 1/2 x 3 x 5/16", 6.6},
    {"3 1/2 x 3 x 3/8", 7.9},
    {"3 1/2 x 3 x 1/2", 10.2},
    {"3 1/2 x 3 1/2 x 1/4", 5.8},
    {"3 1/2 x 3 1/2 x 5/16", 7.2},
    {"3 1/2 x 3 1/2 x 3/8", 8.5},
    {"3 1/2 x 3 1/2 x 1/2", 11.1},
    {"4 x 3 x 1/4", 5.8},
    {"4 x 3 x 5/16", 7.2},
    {"4 x 3 x 3/8", 8.5},
    {"4 x 3 x 1/2", 11.1},
    {"4 x 3 1/2 x 1/4", 6.2},
    {"4 x 3 1/2 x 5/16", 7.7},
    {"4 x 3 1/2 x 3/8", 9.1},
    {"4 x 3 1/2 x 1/2", 11.9},
    {"4 x 4 x 1/4", 6.6},
    {"4 x 4 x 5/16", 8.2},
    {"4 x 4 x 3/8", 9.8},
    {"4 x 4 x 1/2", 12.8},
    {"4 x 4 x 5/8", 15.7},
    {"4 x 4 x 3/4", 18.5},
    {"5 x 3 x 1/4", 6.6},
    {"5 x 3 x 5/16", 8.2},
    {"5 x 3 x 3/8", 9.8},
    {"5 x 3 x 1/2", 12.8},
    {"5 x 3 1/2 x 1/4", 7.0},
    {"5 x 3 1/2 x 5/16", 8.7},
    {"5 x 3 1/2 x 3/8", 10.4},
    {"5 x 3 1/2 x 1/2", 13.6},
    {"5 x 3 1/2 x 5/8", 16.8},
    {"5 x 3 1/2 x 3/4", 19.8},
    {"5 x 5 x 5/16", 10.3},
    {"5 x 5 x 3/8", 12.3},
    {"5 x 5 x 1/2", 16.2},
    {"5 x 5 x 5/8", 20.0},
    {"5 x 5 x 3/4", 23.6},
    {"6 x 3 1/2 x 1/4", 7.9},
    {"6 x 3 1/2 x 5/16", 9.8},
    {"6 x 3 1/2 x 3/8", 11.7},
    {"6 x 3 1/2 x 1/2", 15.3},
    {"6 x 4 x 5/16", 10.3},
    {"6 x 4 x 3/8", 12.3},
    {"6 x 4 x 1/2", 16.2},
    {"6 x 4 x 5/8", 20.0},
    {"6 x 4 x 3/4", 23.6},
    {"6 x 6 x 5/16", 12.4},
    {"6 x 6 x 3/8", 14.9},
    {"6 x 6 x 1/2", 19.6},
    {"6 x 6 x 3/4", 28.7},
    {"6 x 6 x 1", 37.4},
    {"7 x 4 x 3/8", 13.6},
    {"7 x 4 x 1/2", 17.9},
    {"7 x 4 x 5/8", 22.1},
    {"7 x 4 x 3/4", 26.2},
    {"8 x 4 x 1/2", 19.6},
    {"8 x 4 x 5/8", 24.2},
    {"8 x 4 x 3/4", 28.7},
    {"8 x 6 x 1/2", 23.0},
    {"8 x 6 x 3/4", 33.8},
    {"8 x 6 x 1", 44.2},
    {"8 x 8 x 1/2", 26.4},
    {"8 x 8 x 5/8", 32.7},
    {"8 x 8 x 3/4", 38.9},
    {"8 x 8 x 1", 51.0},
    {"9 x 4 x 1/2", 21.3},
});

constexpr auto kBarChannels = std::to_array<WeightedDesignation>({
    {"3/4 x 3/8 x 1/8", 0.56},
    {"1 x 3/8 x 1/8", 0.68},
    {"1 x 1/2 x 1/8", 0.84},
    {"1 1/4 x 1/2 x 1/8", 1.01},
    {"1 1/2 x 1/2 x 1/8", 1.12},
    {"1 1/2 x 9/16 x 3/16", 1.44},
    {"1 1/2 x 3/4 x 1/8", 1.17},
    {"2 x 1/2 x 1/8", 1.43},
    {"2 x 9/16 x 3/16", 1.86},
    {"2 x 5/8 x 1/4", 2.28},
    {"2 x 1 x 1/8", 1.78},
    {"2 x 1 x 3/16", 2.57},
    {"2 1/2 x 5/8 x 3/16", 2.27},
});

constexpr auto kChannels = std::to_array<ListedSection>({
    {"C3 x 4.1", {4.1, 3.0, 1.41, 0.17}},       {"C3 x 5", {5.0, 3.0, 1.498, 0.258}},
    {"C3 x 6", {6.0, 3.0, 1.596, 0.356}},       {"C4 x 5.4", {5.4, 4.0, 1.584, 0.184}},
    {"C4 x 6.25", {6.25, 4.0, 1.647, 0.247}},   {"C4 x 7.25", {7.25, 4.0, 1.721, 0.321}},
    {"C5 x 6.7", {6.7, 5.0, 1.75, 0.19}},       {"C5 x 9", {9.0, 5.0, 1.885, 0.325}},
    {"C6 x 8.2", {8.2, 6.0, 1.92, 0.2}},        {"C6 x 10.5", {10.5, 6.0, 2.034, 0.314}},
    {"C6 x 13", {13.0, 6.0, 2.157, 0.437}},     {"C7 x 9.8", {9.8, 7.0, 2.09, 0.21}},
    {"C7 x 12.25", {12.25, 7.0, 2.194, 0.314}}, {"C7 x 14.75", {14.75, 7.0, 2.299, 0.419}},
    {"C8 x 11.5", {11.5, 8.0, 2.26, 0.22}},     {"C8 x 13.75", {13.75, 8.0, 2.343, 0.303}},
    {"C8 x 18.75", {18.75, 8.0, 2.527, 0.487}}, {"C9 x 13.4", {13.4, 9.0, 2.433, 0.233}},
    {"C9 x 15", {15.0, 9.0, 2.485, 0.285}},     {"C9 x 20", {20.0, 9.0, 2.648, 0.448}},
    {"C10 x 15.3", {15.3, 10.0, 2.6, 0.24}},    {"C10 x 20", {20.0, 10.0, 2.739, 0.379}},
    {"C10 x 25", {25.0, 10.0, 2.886, 0.526}},   {"C10 x 30", {30.0, 10.0, 3.033, 0.673}},
    {"C12 x 20.7", {20.7, 12.0, 2.942, 0.282}}, {"C12 x 25", {25.0, 12.0, 3.047, 0.387}},
    {"C12 x 30", {30.0, 12.0, 3.17, 0.51}},     {"C15 x 33.9", {33.9, 15.0, 3.4, 0.4}},
    {"C15 x 40", {40.0, 15.0, 3.52, 0.52}},     {"C15 x 50", {50.0, 15.0, 3.716, 0.716}},
    {"MC3 x 7.1", {7.1, 3.0, 1.938, 0.312}},    {"MC4 x 13.8", {13.8, 4.0, 2.5, 0.5}},
    {"MC6 x 12", {12.0, 6.0, 2.497, 0.31}},     {"MC6 x 15.3", {15.3, 6.0, 3.5, 0.34}},
    {"MC6 x 16.3", {16.3, 6.0, 3.0, 0.375}},    {"MC6 x 18", {18.0, 6.0, 3.504, 0.379}},
    {"MC7 x 19.1", {19.1, 7.0, 3.452, 0.352}},  {"MC7 x 22.7", {22.7, 7.0, 3.603, 0.503}},
    {"MC8 x 8.5", {8.5, 8.0, 1.875, 0.188}},    {"MC8 x 18.7", {18.7, 8.0, 2.978, 0.353}},
    {"MC8 x 20", {20.0, 8.0, 3.025, 0.4}},      {"MC8 x 21.4", {21.4, 8.0, 3.45, 0.375}},
    {"MC8 x 22.8", {22.8, 8.0, 3.502, 0.427}},  {"MC9 x 23.9", {23.9, 9.0, 3.45, 0.4}},
    {"MC9 x 25.4", {25.4, 9.0, 3.5, 0.45}},     {"MC10 x 6.5", {6.5, 10.0, 1.125, 0.15}},
    {"MC10 x 8.4", {8.4, 10.0, 1.5, 0.17}},     {"MC10 x 22", {22.0, 10.0, 3.376, 0.312}},
    {"MC10 x 25", {25.0, 10.0, 3.405, 0.38}},   {"MC10 x 28.5", {28.5, 10.0, 3.95, 0.425}},
    {"MC10 x 33.6", {33.6, 10.0, 4.1, 0.575}},  {"MC12 x 10.6", {10.6, 12.0, 1.5, 0.19}},
    {"MC12 x 31", {31.0, 12.0, 3.67, 0.37}},    {"MC12 x 35", {35.0, 12.0, 3.767, 0.467}},
    {"MC12 x 37", {37.0, 12.0, 3.6, 0.6}},      {"MC12 x 45", {45.0, 12.0, 4.012, 0.712}},
    {"MC12 x 50", {50.0, 12.0, 4.135, 0.835}},  {"MC13 x 31.8", {31.8, 13.0, 4.0, 0.375}},
    {"MC13 x 40", {40.0, 13.0, 4.185, 0.56}},   {"MC13 x 50", {50.0, 13.0, 4.412, 0.787}},
    {"MC18 x 42.7", {42.7, 18.0, 3.95, 0.45}},  {"MC18 x 45.8", {45.8, 18.0, 4.0, 0.5}},
    {"MC18 x 51.9", {51.9, 18.0, 4.1, 0.6}},    {"MC18 x 58", {58.0, 18.0, 4.2, 0.7}},
});

constexpr auto kIBeams = std::to_array<ListedSection>({
    {"S3 x 5.7", {5.7, 3.0, 2.33, 0.17}},       {"S3 x 7.5", {7.5, 3.0, 2.509, 0.349}},
    {"S4 x 7.7", {7.7, 4.0, 2.663, 0.193}},     {"S4 x 9.5", {9.5, 4.0, 2.796, 0.326}},
    {"S5 x 10", {10.0, 5.0, 3.004, 0.214}},     {"S5 x 14.75", {14.75, 5.0, 3.284, 0.494}},
    {"S6 x 12.5", {12.5, 6.0, 3.332, 0.232}},   {"S6 x 17.25", {17.25, 6.0, 3.565, 0.465}},
    {"S7 x 15.3", {15.3, 7.0, 3.662, 0.252}},   {"S7 x 20", {20.0, 7.0, 3.86, 0.45}},
    {"S8 x 18.4", {18.4, 8.0, 4.001, 0.271}},   {"S8 x 23", {23.0, 8.0, 4.171, 0.441}},
    {"S10 x 25.4", {25.4, 10.0, 4.661, 0.311}}, {"S10 x 35", {35.0, 10.0, 4.944, 0.594}},
    {"S12 x 31.8", {31.8, 12.0, 5.0, 0.35}},    {"S12 x 35", {35.0, 12.0, 5.078, 0.428}},
    {"S12 x 40.8", {40.8, 12.0, 5.252, 0.462}}, {"S12 x 50", {50.0, 12.0, 5.477, 0.687}},
    {"S15 x 42.9", {42.9, 15.0, 5.501, 0.411}}, {"S15 x 50", {50.0, 15.0, 5.64, 0.55}},
    {"S18 x 54.7", {54.7, 18.0, 6.001, 0.461}}, {"S18 x 70", {70.0, 18.0, 6.251, 0.711}},
    {"S20 x 66", {66.0, 20.0, 6.255, 0.505}},   {"S20 x 75", {75.0, 20.0, 6.385, 0.635}},
    {"S20 x 86", {86.0, 20.0, 7.06, 0.66}},     {"S20 x 96", {96.0, 20.0, 7.2, 0.8}},
    {"S24 x 80", {80.0, 24.0, 7.0, 0.5}},       {"S24 x 90", {90.0, 24.0, 7.125, 0.625}},
    {"S24 x 100", {100.0, 24.0, 7.245, 0.745}}, {"S24 x 106", {106.0, 24.5, 7.87, 0.62}},
    {"S24 x 121", {121.0, 24.5, 8.05, 0.8}},
});

constexpr auto kPipeSizes = std::to_array<PipeSize>({
    // clang-format off
    {"1/8", 0.405, {{{"5", 0.035}, {"10", 0.049}, {"40", 0.068}, {"80", 0.095}}}},
    {"1/4", 0.54, {{{"5", 0.049}, {"10", 0.065}, {"40", 0.088}, {"80", 0.119}}}},
    {"3/8", 0.675, {{{"5", 0.049}, {"10", 0.065}, {"40", 0.091}, {"80", 0.126}}}},
    {"1/2", 0.84, {{{"5", 0.065}, {"10", 0.083}, {"40", 0.109}, {"80", 0.147}, {"160", 0.187},
                    {"XXS", 0.294}}}},
    {"3/4", 1.05, {{{"5", 0.065}, {"10", 0.083}, {"40", 0.113}, {"80", 0.154}, {"160", 0.218},
                    {"XXS", 0.308}}}},
    {"1", 1.315, {{{"5", 0.065}, {"10", 0.109}, {"40", 0.133}, {"80", 0.179}, {"160", 0.25},
                   {"XXS", 0.358}}}},
    {"1 1/4", 1.66, {{{"5", 0.065}, {"10", 0.109}, {"40", 0.14}, {"80", 0.191}, {"160", 0.25},
                      {"XXS", 0.382}}}},
    {"1 1/2", 1.9, {{{"5", 0.065}, {"10", 0.109}, {"40", 0.145}, {"80", 0.2}, {"160", 0.281},
                     {"XXS", 0.4}}}},
    {"2", 2.375, {{{"5", 0.065}, {"10", 0.109}, {"40", 0.154}, {"80", 0.218}, {"160", 0.343},
                   {"XXS", 0.436}}}},
    {"2 1/2", 2.875, {{{"5", 0.083}, {"10", 0.12}, {"40", 0.203}, {"80", 0.276}, {"160", 0.375},
                       {"XXS", 0.552}}}},
    {"3", 3.5, {{{"5", 0.083}, {"10", 0.12}, {"40", 0.216}, {"80", 0.3}, {"160", 0.437},
                 {"XXS", 0.6}}}},
    {"3 1/2", 4.0, {{{"5", 0.083}, {"10", 0.12}, {"40", 0.226}, {"80", 0.318}, {"XXS", 0.636}}}},
    {"4", 4.5, {{{"5", 0.083}, {"10", 0.12}, {"40", 0.237}, {"60", 0.281}, {"80", 0.337},
                 {"120", 0.437}, {"160", 0.531}, {"XXS", 0.674}}}},
    {"5", 5.563, {{{"5", 0.109}, {"10", 0.134}, {"40", 0.258}, {"80", 0.375}, {"120", 0.5},
                   {"160", 0.625}, {"XXS", 0.75}}}},
    {"6", 6.625, {{{"5", 0.109}, {"10", 0.134}, {"40", 0.28}, {"80", 0.432}, {"120", 0.562},
                   {"160", 0.718}, {"XXS", 0.864}}}},
    {"8", 8.625, {{{"5", 0.109}, {"10", 0.148}, {"20", 0.25}, {"30", 0.277}, {"40", 0.322},
                   {"60", 0.406}, {"80", 0.5}, {"100", 0.593}, {"120", 0.718}, {"140", 0.812},
                   {"160", 0.906}, {"XXS", 0.875}}}},
    {"10", 10.75, {{{"5", 0.134}, {"10", 0.165}, {"20", 0.25}, {"30", 0.307}, {"40", 0.365},
                    {"60", 0.5}, {"80", 0.593}, {"100", 0.718}, {"120", 0.843}, {"140", 1.0},
                    {"160", 1.125}, {"XXS", 1.0}}}},
    {"12", 12.75, {{{"5", 0.165}, {"10", 0.18}, {"20", 0.25}, {"30", 0.33}, {"40", 0.406},
                    {"60", 0.562}, {"80", 0.687}, {"100", 0.843}, {"120", 1.0}, {"140", 1.125},
                    {"160", 1.312}, {"XXS", 1.0}}}},
    {"14", 14.0, {{{"10", 0.25}, {"20", 0.312}, {"30", 0.375}, {"40", 0.437}, {"60", 0.593},
                   {"80", 0.75}, {"100", 0.937}, {"120", 1.093}, {"140", 1.25}, {"160", 1.406}}}},
    {"16", 16.0, {{{"10", 0.25}, {"20", 0.312}, {"30", 0.375}, {"40", 0.5}, {"60", 0.656},
                   {"80", 0.843}, {"100", 1.031}, {"120", 1.218}, {"140", 1.437}, {"160", 1.593}}}},
    {"18", 18.0, {{{"10", 0.25}, {"20", 0.312}, {"30", 0.437}, {"40", 0.562}, {"60", 0.75},
                   {"80", 0.937}, {"100", 1.156}, {"120", 1.375}, {"140", 1.562}, {"160", 1.781}}}},
    {"20", 20.0, {{{"10", 0.25}, {"20", 0.375}, {"30", 0.5}, {"40", 0.593}, {"60", 0.812},
                   {"80", 1.031}, {"100", 1.28}, {"120", 1.5}, {"140", 1.75}, {"160", 1.968}}}},
    {"24", 24.0, {{{"10", 0.25}, {"20", 0.375}, {"30", 0.562}, {"40", 0.687}, {"60", 0.968},
                   {"80", 1.218}, {"100", 1.531}, {"120", 1.812}, {"140", 2.062}, {"160", 2.343}}}},
    {"30", 30.0, {{{"10", 0.312}, {"20", 0.5}, {"30", 0.625}}}},
    // clang-format on
});

int WholeNumber(std::string_view text) {
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// "9", "3/16" or "1 1/4".
double MixedNumber(std::string_view text) {
    double whole = 0.0;
    if (const std::size_t blank = text.find(' '); blank != std::string_view::npos) {
        whole = WholeNumber(text.substr(0, blank));
        text.remove_prefix(blank + 1);
    }
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos) return whole + WholeNumber(text);
    return whole + static_cast<double>(WholeNumber(text.substr(0, slash))) /
                       WholeNumber(text.substr(slash + 1));
}

// The dimensions are kept to thousandths, as they are shown: 3/16 is 0.188, 5/16 is 0.313.
double RoundToThousandths(double value) {
    return std::round(value * 1000.0) / 1000.0;
}

SectionRow RowFromDesignation(const WeightedDesignation& entry) {
    SectionRow row{std::string(entry.designation), {entry.weight_per_foot, 0.0, 0.0, 0.0}};
    constexpr std::string_view kJoint = " x ";
    std::string_view rest = entry.designation;
    for (std::size_t i = 1; i < row.numbers.size(); ++i) {
        const std::size_t joint = rest.find(kJoint);
        row.numbers[i] = RoundToThousandths(MixedNumber(rest.substr(0, joint)));
        rest.remove_prefix(joint == std::string_view::npos ? rest.size() : joint + kJoint.size());
    }
    return row;
}

// The blanks between schedule and size line the sizes up under the list caption in the list's
// proportional font; the tracker relies on the schedule sitting in the first eight characters
// and the size in the last eight.
std::string PipeDesignation(std::string_view schedule, std::string_view size) {
    int blanks = schedule.size() == 1 ? 14 : schedule.size() == 2 ? 12 : 10;
    switch (size.size()) {
        case 1:
            blanks += 2;
            break;
        case 2:
            blanks += 1;
            break;
        case 5:
            blanks -= 1;
            break;
        default:
            break;
    }
    std::string designation = "  ";
    designation += schedule;
    designation.append(static_cast<std::size_t>(blanks), ' ');
    designation += size;
    return designation;
}

std::vector<SectionRow> BuildPipeRows() {
    std::vector<SectionRow> rows;
    for (const PipeSize& size : kPipeSizes) {
        for (const PipeWall& wall : size.walls) {
            if (wall.schedule.empty()) break;
            rows.push_back({PipeDesignation(wall.schedule, size.size),
                            {size.outside_diameter, wall.wall, 0.0, 0.0}});
        }
    }
    return rows;
}

void AppendListed(std::span<const ListedSection> sections, std::vector<SectionRow>& rows) {
    for (const ListedSection& section : sections) {
        rows.push_back({std::string(section.designation), section.numbers});
    }
}

struct Tables {
    std::vector<SectionRow> pipe;
    std::vector<SectionRow> angle;
    std::vector<SectionRow> channel;
    std::vector<SectionRow> ibeam;
};

Tables BuildTables() {
    Tables tables;
    tables.pipe = BuildPipeRows();
    for (const WeightedDesignation& angle : kAngles) {
        tables.angle.push_back(RowFromDesignation(angle));
    }
    // Bar-size channels come first, then the rolled C and MC shapes.
    for (const WeightedDesignation& channel : kBarChannels) {
        tables.channel.push_back(RowFromDesignation(channel));
    }
    AppendListed(kChannels, tables.channel);
    AppendListed(kIBeams, tables.ibeam);
    return tables;
}

const Tables& BuiltTables() {
    static const Tables tables = BuildTables();
    return tables;
}

}  // namespace

std::span<const SectionRow> SectionRows(SectionTable table) {
    const Tables& tables = BuiltTables();
    switch (table) {
        case SectionTable::kPipe:
            return tables.pipe;
        case SectionTable::kAngle:
            return tables.angle;
        case SectionTable::kChannel:
            return tables.channel;
        case SectionTable::kIBeam:
            return tables.ibeam;
    }
    return {};
}

std::string_view SectionTitle1(SectionTable table) {
    return table == SectionTable::kPipe ? "STEEL PIPES" : "";
}

std::string_view SectionTitle2(SectionTable table) {
    switch (table) {
        case SectionTable::kPipe:
            return "schedule           size         ";
        case SectionTable::kAngle:
            return "ANGLES";
        case SectionTable::kChannel:
            return "CHANNELS";
        case SectionTable::kIBeam:
            return "I-BEAMS";
    }
    return "";
}

std::string_view SectionFontFace(SectionTable table) {
    return table == SectionTable::kPipe ? "Verdana" : "Tahoma";
}

}  // namespace tarvix

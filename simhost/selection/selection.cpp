#include "simhost/selection/selection.h"

#include <algorithm>

namespace sim {

namespace {
std::vector<int> Sorted(const std::unordered_set<int>& set) {
    std::vector<int> list(set.begin(), set.end());
    std::sort(list.begin(), list.end());
    return list;
}

std::unordered_set<int> Renumbered(const std::unordered_set<int>& set,
                                   const std::vector<int>& map) {
    std::unordered_set<int> result;
    for (int index : set) {
        int moved = index >= 0 && index < static_cast<int>(map.size()) ? map[index] : -1;
        if (moved >= 0) result.insert(moved);
    }
    return result;
}
}  // namespace

void Selection::Clear(unsigned int flags) {
    if ((flags & select_flag::kVertices) != 0) vertices_.clear();
    if ((flags & select_flag::kLines) != 0) lines_.clear();
    if ((flags & select_flag::kFaces) != 0) faces_.clear();
}

void Selection::ForgetFace(int face, int pointCount) {
    faces_.erase(face);
    for (int line = 0; line < pointCount; ++line) lines_.erase(Key(face, line));
}

void Selection::Renumber(const Renumbering& map) {
    vertices_ = Renumbered(vertices_, map.vertex);
    faces_ = Renumbered(faces_, map.face);
    std::unordered_set<std::uint64_t> lines;
    for (std::uint64_t key : lines_) {
        int face = static_cast<int>(key >> 32);
        int moved = face < static_cast<int>(map.face.size()) ? map.face[face] : -1;
        if (moved >= 0) lines.insert(Key(moved, static_cast<int>(key & 0xFFFFFFFFu)));
    }
    lines_ = std::move(lines);
}

std::vector<int> Selection::Vertices() const { return Sorted(vertices_); }
std::vector<int> Selection::Faces() const { return Sorted(faces_); }

std::vector<std::pair<int, int>> Selection::Lines() const {
    std::vector<std::pair<int, int>> list;
    list.reserve(lines_.size());
    for (std::uint64_t key : lines_)
        list.emplace_back(static_cast<int>(key >> 32), static_cast<int>(key & 0xFFFFFFFFu));
    std::sort(list.begin(), list.end());
    return list;
}

}  // namespace sim

// OBJ files read statement by statement, so that every message names the
// file's own line. Vertices ("v") and faces ("f") are read, split into
// objects by "o" and "g"; texture coordinates, normals, materials and
// smoothing groups are passed over, and polylines and points ("l", "p") are
// reported as not read. Polygons are kept as written, not split into
// triangles, so a quad model stays a quad mesh in the host.
#include "session_engine/obj_import/obj_import.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <numeric>
#include <sstream>

#include "platform/utf8.h"
#include "session_engine/session/session_error.h"

namespace host_tool {

namespace {

// How many faces left out an error names before it counts the rest.
constexpr std::size_t kFacesNamed = 3;

bool Blank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

// UTF-16 text without a byte order mark: ASCII characters leave every other
// byte zero.
bool LooksLikeUtf16(const std::string& text) {
    const std::size_t length = std::min<std::size_t>(text.size() & ~std::size_t{1}, 256);
    int zeros[2] = {0, 0};
    for (std::size_t i = 0; i < length; ++i) zeros[i % 2] += text[i] == '\0';
    const int pairs = static_cast<int>(length / 2);
    return pairs > 0 && (zeros[0] == 0 || zeros[1] == 0) && zeros[0] + zeros[1] >= pairs / 2;
}

// Why the bytes are not text an OBJ reader can take; empty when they are.
std::string NotText(const std::string& text) {
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const bool utf16Mark = text.size() >= 2 && ((byte(0) == 0xFF && byte(1) == 0xFE) ||
                                                (byte(0) == 0xFE && byte(1) == 0xFF));
    if (utf16Mark || LooksLikeUtf16(text))
        return "is UTF-16 text; OBJ files are read as ASCII or UTF-8 (save it as UTF-8)";
    const std::size_t zero = text.find('\0');
    if (zero != std::string::npos)
        return "is not a text file (a zero byte at offset " + std::to_string(zero) +
               "); OBJ files are ASCII or UTF-8 text";
    return {};
}

std::string InQuotes(const std::string& text) { return "\"" + text + "\""; }

// A coordinate as C's "%f" and "%e" write it, read alike in any locale;
// false with the reason when the word is not a finite number that a float
// can hold. A number too small for a float reads as 0.
bool ReadCoordinate(const std::string& word, float& value, std::string& why) {
    const char* first = word.data();
    const char* last = first + word.size();
    // Some writers put a "+" before positive numbers; from_chars takes none.
    if (last - first > 1 && *first == '+' && first[1] != '-' && first[1] != '+') ++first;
    double number = 0;
    auto [stop, error] = std::from_chars(first, last, number);
    if (first == last || stop != last ||
        (error != std::errc() && error != std::errc::result_out_of_range)) {
        why = InQuotes(word) + " is not a number";
        return false;
    }
    if (error == std::errc::result_out_of_range) {
        const std::size_t exponent = word.find_first_of("eE");
        const bool tiny = exponent != std::string::npos && exponent + 1 < word.size() &&
                          word[exponent + 1] == '-';
        if (!tiny) {
            why = InQuotes(word) + " is too large for a coordinate";
            return false;
        }
        number = 0;
    }
    if (!std::isfinite(number)) {
        why = InQuotes(word) + " is not a finite number";
        return false;
    }
    if (std::fabs(number) > FLT_MAX) {
        why = InQuotes(word) + " is too large for a coordinate";
        return false;
    }
    value = static_cast<float>(number);
    return true;
}

struct Face {
    int line;
    std::vector<int> points;  // the file's vertex numbers, from 0
};

struct Group {
    std::string name;  // empty: before any "o" or "g"
    std::vector<Face> faces;
};

class Reader {
public:
    explicit Reader(std::string name) : name_(std::move(name)) {}

    ObjImport Read(const std::string& text) {
        if (text.empty()) throw SessionError("OBJ file " + name_ + " is empty");
        if (std::string why = NotText(text); !why.empty())
            throw SessionError("OBJ file " + name_ + " " + why);
        std::size_t start = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;  // a byte order mark
        int number = 0;
        while (start < text.size()) {
            // A backslash at the end of a line continues the statement on the next.
            std::string statement;
            const int first = number + 1;
            for (;;) {
                std::size_t end = text.find('\n', start);
                if (end == std::string::npos) end = text.size();
                std::string line = text.substr(start, end - start);
                start = end + 1;
                ++number;
                if (!line.empty() && line.back() == '\r') line.pop_back();
                if (line.empty() || line.back() != '\\' || start >= text.size()) {
                    statement += line;
                    break;
                }
                line.back() = ' ';
                statement += line;
            }
            Statement(first, Words(statement));
        }
        return Finish();
    }

private:
    // Words up to a "#" that starts a word, which begins a comment.
    static std::vector<std::string> Words(const std::string& statement) {
        std::vector<std::string> words;
        std::size_t i = 0;
        while (i < statement.size()) {
            while (i < statement.size() && Blank(statement[i])) ++i;
            if (i >= statement.size() || statement[i] == '#') break;
            std::size_t end = i;
            while (end < statement.size() && !Blank(statement[end])) ++end;
            words.push_back(statement.substr(i, end - i));
            i = end;
        }
        return words;
    }

    std::string At(int line) const { return name_ + ":" + std::to_string(line) + ": "; }

    [[noreturn]] void Fail(int line, const std::string& message) const {
        throw SessionError("OBJ file " + At(line) + message);
    }

    void Statement(int line, const std::vector<std::string>& words) {
        if (words.empty()) return;
        const std::string& keyword = words[0];
        if (keyword == "v") {
            Vertex(line, words);
        } else if (keyword == "f") {
            FaceStatement(line, words);
        } else if (keyword == "o" || keyword == "g") {
            std::string name;
            for (std::size_t i = 1; i < words.size(); ++i) name += (i > 1 ? " " : "") + words[i];
            // The host's object names are text: bytes that are not UTF-8
            // would come out as something else in every message.
            if (!platform::IsUtf8(name))
                Fail(line,
                     "the name of \"" + keyword + "\" is not UTF-8 text; save the file as UTF-8");
            SwitchGroup(name);
        } else if (keyword == "l" || keyword == "p") {
            if (firstNotRead_ == 0) firstNotRead_ = line;
            ++notRead_[keyword];
        }
        // Texture coordinates, normals, materials and the like shape no mesh.
    }

    void Vertex(int line, const std::vector<std::string>& words) {
        const char* expected = "; a vertex is \"v X Y Z\", optionally with W or with R G B";
        const std::size_t numbers = words.size() - 1;
        if (numbers != 3 && numbers != 4 && numbers != 6)
            Fail(line, "a vertex with " + std::to_string(numbers) + " numbers" + expected);
        float xyz[3] = {0, 0, 0};
        for (std::size_t i = 1; i < words.size(); ++i) {
            float value = 0;
            std::string why;
            if (!ReadCoordinate(words[i], value, why)) Fail(line, why + expected);
            if (i <= 3) xyz[i - 1] = value;
        }
        vertices_.push_back(sim::Vec3{xyz[0], xyz[1], xyz[2]});
    }

    void FaceStatement(int line, const std::vector<std::string>& words) {
        Face face{line, {}};
        const int defined = static_cast<int>(vertices_.size());
        for (std::size_t i = 1; i < words.size(); ++i) {
            // "V", "V/T", "V//N" or "V/T/N": only V shapes the mesh.
            const std::string& word = words[i];
            const std::string vertex = word.substr(0, word.find('/'));
            int number = 0;
            auto [stop, error] =
                std::from_chars(vertex.data(), vertex.data() + vertex.size(), number);
            if (error != std::errc() || stop != vertex.data() + vertex.size() || vertex.empty())
                Fail(line,
                     InQuotes(word) + " is not a vertex number; a face is \"f V1 V2 V3 ...\"");
            if (number == 0) Fail(line, "vertex numbers count from 1, not 0");
            // Negative numbers count back from the last vertex so far.
            const int index = number > 0 ? number - 1 : defined + number;
            if (index < 0)
                Fail(line, "the face names vertex " + word + ", but only " +
                               std::to_string(defined) + " vertices come before it");
            face.points.push_back(index);
        }
        // Some writers close the polygon by naming its first point again.
        if (face.points.size() >= 4 && face.points.front() == face.points.back()) {
            face.points.pop_back();
            readAs_.emplace_back(line,
                                 "the face names its first vertex again at its end; read "
                                 "as the polygon without the repeat");
        }
        CurrentGroup().faces.push_back(std::move(face));
    }

    void SwitchGroup(const std::string& name) {
        for (std::size_t i = 0; i < groups_.size(); ++i) {
            if (groups_[i].name == name) {
                current_ = static_cast<int>(i);
                return;
            }
        }
        groups_.push_back(Group{name, {}});
        current_ = static_cast<int>(groups_.size()) - 1;
    }

    Group& CurrentGroup() {
        if (current_ < 0) SwitchGroup("");
        return groups_[current_];
    }

    // Why the host cannot hold the face; empty when it can.
    static std::string Degenerate(const Face& face) {
        if (face.points.empty()) return "it names no vertices";
        if (face.points.size() < 2) return "a face needs at least 2 vertices";
        std::vector<int> sorted = face.points;
        std::sort(sorted.begin(), sorted.end());
        auto twice = std::adjacent_find(sorted.begin(), sorted.end());
        if (twice != sorted.end())
            return "it names vertex " + std::to_string(*twice + 1) +
                   " twice (the host's faces name each vertex once)";
        return {};
    }

    ObjImport Finish() {
        ObjImport result;
        const int defined = static_cast<int>(vertices_.size());
        std::vector<std::pair<int, std::string>> leftOut;  // (line, note)
        int faces = 0;
        for (const Group& group : groups_) {
            ImportedMesh mesh;
            mesh.name = group.name;
            std::vector<const Face*> kept;
            for (const Face& face : group.faces) {
                ++faces;
                for (int point : face.points)
                    if (point >= defined)
                        Fail(face.line, "the face names vertex " + std::to_string(point + 1) +
                                            ", but the file has " + std::to_string(defined) +
                                            " vertices");
                if (std::string why = Degenerate(face); !why.empty()) {
                    leftOut.emplace_back(face.line, "face left out: " + why);
                    continue;
                }
                kept.push_back(&face);
            }
            if (kept.empty()) continue;
            // The file's vertices that this object uses, kept in file order.
            std::map<int, int> local;
            for (const Face* face : kept)
                for (int point : face->points) local.emplace(point, 0);
            for (auto& [fileIndex, meshIndex] : local) {
                meshIndex = static_cast<int>(mesh.vertices.size());
                mesh.vertices.push_back(vertices_[fileIndex]);
            }
            for (const Face* face : kept) {
                std::vector<int> points;
                for (int point : face->points) points.push_back(local[point]);
                // OBJ files list a face's points counter-clockwise seen from
                // its front, the host clockwise: the order turns, from the
                // same first point.
                std::reverse(points.begin() + 1, points.end());
                mesh.faces.push_back(std::move(points));
            }
            result.meshes.push_back(std::move(mesh));
        }
        int unnamed = 0;
        for (ImportedMesh& mesh : result.meshes)
            if (mesh.name.empty()) mesh.name = "obj" + std::to_string(++unnamed);

        std::vector<std::pair<int, std::string>> notes = leftOut;
        notes.insert(notes.end(), readAs_.begin(), readAs_.end());
        std::sort(notes.begin(), notes.end());
        for (const auto& [line, note] : notes) result.notes.push_back(At(line) + note);
        if (firstNotRead_ > 0) {
            std::string counted;
            for (const auto& [keyword, count] : notRead_)
                counted += (counted.empty() ? "" : " and ") + std::to_string(count) + " \"" +
                           keyword + "\"";
            const int statements =
                std::accumulate(notRead_.begin(), notRead_.end(), 0,
                                [](int sum, const auto& entry) { return sum + entry.second; });
            result.notes.push_back(At(firstNotRead_) + counted +
                                   (statements == 1 ? " statement" : " statements") +
                                   " not read: polylines and points are not faces");
        }
        if (result.meshes.empty()) Refuse(faces, leftOut);
        return result;
    }

    [[noreturn]] void Refuse(int faces, const std::vector<std::pair<int, std::string>>& leftOut) {
        std::string what = "OBJ file " + name_ + " holds no face the host can hold";
        if (faces == 0) {
            what = "OBJ file " + name_ + " holds no faces (no \"f\" statements; " +
                   std::to_string(vertices_.size()) + " vertices";
            for (const auto& [keyword, count] : notRead_)
                what += ", " + std::to_string(count) + " \"" + keyword + "\"";
            throw SessionError(what + ")");
        }
        what += ": all " + std::to_string(faces) + " faces are left out:";
        for (std::size_t i = 0; i < leftOut.size() && i < kFacesNamed; ++i)
            what += "\n  " + At(leftOut[i].first) + leftOut[i].second;
        if (leftOut.size() > kFacesNamed)
            what += "\n  and " + std::to_string(leftOut.size() - kFacesNamed) + " more";
        throw SessionError(what);
    }

    std::string name_;
    std::vector<sim::Vec3> vertices_;
    std::vector<Group> groups_;
    int current_ = -1;
    std::map<std::string, int> notRead_;  // "l" and "p" statements passed over
    int firstNotRead_ = 0;
    // Faces read otherwise than written, with why: (line, note).
    std::vector<std::pair<int, std::string>> readAs_;
};

}  // namespace

ObjImport ReadObjText(const std::string& text, const std::string& name) {
    return Reader(name).Read(text);
}

ObjImport ReadObjFile(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) throw SessionError("no OBJ file " + path);
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    if (!file) throw SessionError("OBJ file " + path + " cannot be read");
    return ReadObjText(text.str(), path);
}

}  // namespace host_tool

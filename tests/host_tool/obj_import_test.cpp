// OBJ files as tackpin-host reads them: objects, vertices and faces as
// written by other programs; faces the host cannot hold left out and told
// by the file's line; files refused with the line and what was expected.
#include <gtest/gtest.h>

#include "session_engine/obj_import/obj_import.h"
#include "session_engine/session/session_error.h"

namespace host_tool {
namespace {

using Faces = std::vector<std::vector<int>>;

std::string Bytes(std::initializer_list<char> bytes) { return std::string(bytes); }

// The message a refused text gives; empty when it is read.
std::string Refusal(const std::string& text) {
    try {
        ReadObjText(text, "m.obj");
    } catch (const SessionError& error) {
        return error.what();
    }
    return {};
}

TEST(ObjImport, ReadsObjectsAsOtherProgramsWriteThem) {
    const ObjImport read = ReadObjText(
        "# exported elsewhere\r\n"
        "mtllib box.mtl\r\n"
        "o first  # a comment after the name\r\n"
        "v 0 0 0\r\n"
        "v\t+1.5 0 0 1 0 0\r\n"  // a sign, a colour
        "v 1 1 0 \\\r\n"         // continued on the next line
        "  1\r\n"                // ... as the weight
        "vt 0 0\r\nvn 0 0 1\r\nusemtl paper\r\ns off\r\n"
        "f 1/1/1 2/1/1 -1//1\r\n"
        "g second\r\n"
        "v 5 5 5\r\nv 6 5 5\r\n"
        "f 4 5\r\n"
        "o first\r\n"  // the same name again: the same object
        "f 3 2 1\r\n",
        "m.obj");
    ASSERT_EQ(read.meshes.size(), 2u);
    const ImportedMesh& first = read.meshes[0];
    EXPECT_EQ(first.name, "first");
    ASSERT_EQ(first.vertices.size(), 3u);
    EXPECT_EQ(first.vertices[1].x, 1.5f);
    EXPECT_EQ(first.vertices[2].y, 1.0f);
    // The host's faces run the other way round, from the same first point.
    EXPECT_EQ(first.faces, (Faces{{0, 2, 1}, {2, 0, 1}}));
    EXPECT_EQ(read.meshes[1].name, "second");
    EXPECT_EQ(read.meshes[1].vertices.size(), 2u);
    EXPECT_EQ(read.meshes[1].faces, (Faces{{0, 1}}));
    EXPECT_TRUE(read.notes.empty());
}

TEST(ObjImport, NamesObjectsWithoutAName) {
    const ObjImport read = ReadObjText("v 0 0 0\nv 1 0 0\nv 0 1 1e-999\nf 1 2 3\n", "m.obj");
    ASSERT_EQ(read.meshes.size(), 1u);
    EXPECT_EQ(read.meshes[0].name, "obj1");
    EXPECT_EQ(read.meshes[0].vertices[2].z, 0.0f);  // too small for a float: 0
}

TEST(ObjImport, RefusesMalformedFilesNamingTheLineAndWhatWasExpected) {
    const std::string square = "v 0 0 0\nv 1 0 0\nv 1 1 0\n";
    const struct {
        std::string text;
        const char* message;
    } cases[] = {
        {"v 0 0 0\nv x 1 0\n", "OBJ file m.obj:2: \"x\" is not a number; a vertex is \"v X Y Z\""},
        {"v 3.1+e2 0 0\n", "m.obj:1: \"3.1+e2\" is not a number"},
        {"v 0,5 0 0\n", "m.obj:1: \"0,5\" is not a number"},
        {"v nan 0 0\n", "m.obj:1: \"nan\" is not a finite number"},
        {"v 0 -inf 0\n", "m.obj:1: \"-inf\" is not a finite number"},
        {"v 0 0 1e999\n", "m.obj:1: \"1e999\" is too large for a coordinate"},
        {"v 0 0 1e39\n", "m.obj:1: \"1e39\" is too large for a coordinate"},
        {"\n\nv 1 2\n", "m.obj:3: a vertex with 2 numbers"},
        {"v 1 2 3 4 5\n", "m.obj:1: a vertex with 5 numbers; a vertex is \"v X Y Z\""},
        {"v 0 0 0\no caf\xE9\n", "m.obj:2: the name of \"o\" is not UTF-8 text"},
        {"g \xC3\n", "m.obj:1: the name of \"g\" is not UTF-8 text"},
        {square + "f 1 two 3\n", "m.obj:4: \"two\" is not a vertex number; a face is \"f V1 V2"},
        {square + "f 0 1 2\n", "m.obj:4: vertex numbers count from 1, not 0"},
        {square + "f -4 1 2\n", "m.obj:4: the face names vertex -4, but only 3 vertices come"},
        {square + "f 1 2 3\nf 1 2 9\n", "m.obj:5: the face names vertex 9, but the file has 3"},
        {"", "OBJ file m.obj is empty"},
        {Bytes({'\xFF', '\xFE', '#', 0, ' ', 0}), "OBJ file m.obj is UTF-16 text"},
        {Bytes({'v', 0, ' ', 0, '1', 0, ' ', 0}), "OBJ file m.obj is UTF-16 text"},
        {Bytes({'\x7F', 'E', 'L', 'F', 2, 1, 1, 0, 0, 0}),
         "is not a text file (a zero byte at offset 7)"},
        {square + "l 1 2\np 3\n",
         "m.obj holds no faces (no \"f\" statements; 3 vertices, 1 \"l\", 1 \"p\")"},
    };
    for (const auto& c : cases) {
        const std::string message = Refusal(c.text);
        EXPECT_NE(message.find(c.message), std::string::npos)
            << "reading " << testing::PrintToString(c.text) << "\ngave: " << message;
    }
}

TEST(ObjImport, LeavesOutFacesTheHostCannotHoldAndTellsTheirLines) {
    const ObjImport read = ReadObjText(
        "v 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\n"  // lines 1-4
        "f 1 2 2 3\n"                           // 5: a vertex twice
        "f 1 2 3 4\n"                           // 6: kept
        "f\n"                                   // 7: no vertices
        "f 4\n"                                 // 8: one point
        "f 1 2 3 1 4\n"                         // 9: touches itself
        "l 1 3\n",                              // 10: a polyline
        "m.obj");
    ASSERT_EQ(read.meshes.size(), 1u);
    EXPECT_EQ(read.meshes[0].faces, (Faces{{0, 3, 2, 1}}));
    EXPECT_EQ(read.notes,
              (std::vector<std::string>{
                  "m.obj:5: face left out: it names vertex 2 twice (the host's faces name each "
                  "vertex once)",
                  "m.obj:7: face left out: it names no vertices",
                  "m.obj:8: face left out: a face needs at least 2 vertices",
                  "m.obj:9: face left out: it names vertex 1 twice (the host's faces name each "
                  "vertex once)",
                  "m.obj:10: 1 \"l\" statement not read: polylines and points are not faces",
              }));
}

// A polygon closed by naming its first point again is the polygon without
// the repeat, and the reader says so.
TEST(ObjImport, ReadsAFaceThatRepeatsItsFirstPointAtTheEndAsThePolygon) {
    const ObjImport read =
        ReadObjText("v 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\nf 1 2 3 1\nf 1 3 4 1\n", "m.obj");
    ASSERT_EQ(read.meshes.size(), 1u);
    EXPECT_EQ(read.meshes[0].faces, (Faces{{0, 2, 1}, {0, 3, 2}}));
    EXPECT_EQ(read.notes, (std::vector<std::string>{
                              "m.obj:5: the face names its first vertex again at its end; read "
                              "as the polygon without the repeat",
                              "m.obj:6: the face names its first vertex again at its end; read "
                              "as the polygon without the repeat"}));
}

TEST(ObjImport, RefusesAFileWithNoFaceLeft) {
    const std::string message = Refusal("v 0 0 0\nv 1 0 0\nf 1 1\nf 2 2\nf\nf 1\nf 2 1 2\n");
    EXPECT_NE(message.find("OBJ file m.obj holds no face the host can hold: all 5 faces are left "
                           "out:\n  m.obj:3: face left out: it names vertex 1 twice"),
              std::string::npos)
        << message;
    EXPECT_NE(message.find("\n  m.obj:5: face left out: it names no vertices\n  and 2 more"),
              std::string::npos)
        << message;
}

}  // namespace
}  // namespace host_tool

// OBJ files as tackpin-host reads them: any bytes are read or refused with
// the reader's own error; what is read becomes mesh objects of a document,
// and the plug-in stores a marker on the first, recalls it and draws it with
// its normals, against the simulated host with its contract checks on.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "session_engine/obj_import/obj_import.h"
#include "session_engine/session/session_error.h"
#include "simhost/documents/document_model.h"
#include "tests/fuzz/linked_plugin.h"
#include "validation_harness/stage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path =
        (std::filesystem::temp_directory_path() / "tackpin-obj-fuzzer.obj").string();
    {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    std::vector<host_tool::ImportedMesh> meshes;
    try {
        meshes = host_tool::ReadObjFile(path).meshes;
    } catch (const host_tool::SessionError&) {
        return 0;  // refused with the reader's own message
    }

    sim::PluginModule& plugin = fuzz::BeginRun();
    validation::Stage stage(plugin);
    stage.OpenDocument();
    sim::DocumentModel& documents = sim::Documents();
    const int firstImported = documents.ObjectCount(stage.doc);
    for (const host_tool::ImportedMesh& mesh : meshes) {
        MQObject object = documents.AddObject(stage.doc, mesh.name);
        for (const sim::Vec3& position : mesh.vertices) documents.AddVertex(object, position);
        for (const std::vector<int>& face : mesh.faces) documents.AddFace(object, face);
    }
    fuzz::CheckNoBreach("importing " + std::to_string(meshes.size()) + " meshes");
    if (!meshes.empty()) documents.SetCurrentObject(stage.doc, firstImported);

    plugin.Start();
    plugin.Activate(stage.doc, 1);
    MQObject current = documents.ObjectAt(stage.doc, documents.CurrentObjectIndex(stage.doc));
    documents.ClearSelection(stage.doc);
    for (int v = 0; v < documents.VertexCount(current); ++v)
        documents.SelectVertex(stage.doc, current, v);
    for (int f = 0; f < documents.FaceCount(current) && f < 64; ++f)
        documents.SelectFace(stage.doc, current, f);
    validation::Stage::Press(validation::Stage::Panel().sets[0]);
    validation::Stage::PressRight(validation::Stage::Panel().toggles[0]);
    sim::UserClick(validation::Stage::Panel().normal);
    stage.Draw();
    fuzz::EndRun("OBJ file of " + std::to_string(meshes.size()) + " meshes");
    return 0;
}

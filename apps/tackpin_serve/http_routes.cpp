#include "apps/tackpin_serve/http_routes.h"

#include <fstream>
#include <sstream>

namespace serve {

namespace {

void Send(httplib::Response& response, const Reply& reply) {
    response.status = reply.status;
    for (const auto& [name, value] : reply.headers) response.set_header(name, value);
    response.set_header("Cache-Control", "no-store");
    response.set_content(reply.body, reply.contentType.c_str());
}

// The console lines a state carries: those after ?after=SEQ, or all.
bool ReadAfter(const httplib::Request& request, long& after) {
    after = 0;
    if (!request.has_param("after")) return true;
    const std::string text = request.get_param_value("after");
    char* end = nullptr;
    after = std::strtol(text.c_str(), &end, 10);
    return !text.empty() && *end == '\0' && after >= 0;
}

const char* ErrorReason(int status) {
    switch (status) {
    case 404: return "no such file or request";
    case 413: return "the body is over the limit";
    case 400: return "a malformed request";
    default: return "the request failed";
    }
}

}  // namespace

void AddRoutes(httplib::Server& server, JobQueue& queue, HostLoop& host, const PageFiles& files,
               const std::shared_ptr<const RequestGuard>& guard) {
    server.set_payload_max_length(kBodyLimit);
    server.set_pre_routing_handler(
        [guard](const httplib::Request& request, httplib::Response& response) {
            std::optional<std::string> origin;
            if (request.has_header("Origin")) origin = request.get_header_value("Origin");
            if (auto why = guard->Refusal(request.get_header_value("Host"), origin)) {
                Send(response, ErrorReply(403, *why));
                return httplib::Server::HandlerResponse::Handled;
            }
            // Answers travel over loopback, where compressing them costs far
            // more than it saves: brotli takes seconds over the state of a
            // million-face marker that goes uncompressed in milliseconds. The
            // library compresses whatever the browser offers to take, so the
            // offer is taken back here. (The request is the library's own,
            // made writable; the handler sees it const.)
            const_cast<httplib::Request&>(request).headers.erase("Accept-Encoding");
            return httplib::Server::HandlerResponse::Unhandled;
        });
    // Statuses the library sets itself (an unknown path, a body over the
    // limit) carry a reason too.
    server.set_error_handler([](const httplib::Request&, httplib::Response& response) {
        if (response.body.empty())
            response.set_content(ErrorReply(response.status, ErrorReason(response.status)).body,
                                 "application/json");
    });

    server.Get("/api/state", [&queue, &host](const httplib::Request& request,
                                             httplib::Response& response) {
        long after = 0;
        if (!ReadAfter(request, after))
            return Send(response, ErrorReply(400, "\"after\" is not a console sequence number"));
        Send(response, queue.Post([&host, after] { return host.State(after); }));
    });
    server.Get(R"(/api/mesh/(\d{1,9}))",
               [&queue, &host](const httplib::Request& request, httplib::Response& response) {
                   const int id = std::stoi(request.matches[1].str());
                   Send(response, queue.Post([&host, id] { return host.Mesh(id); }));
               });
    server.Post("/api/action", [&queue, &host](const httplib::Request& request,
                                               httplib::Response& response) {
        long after = 0;
        if (!ReadAfter(request, after))
            return Send(response, ErrorReply(400, "\"after\" is not a console sequence number"));
        std::string body = request.body;
        Send(response, queue.Post([&host, body, after] { return host.Act(body, after); }));
    });
    server.Post("/api/open", [&queue, &host](const httplib::Request& request,
                                             httplib::Response& response) {
        long after = 0;
        if (!ReadAfter(request, after))
            return Send(response, ErrorReply(400, "\"after\" is not a console sequence number"));
        if (!request.has_param("name"))
            return Send(response, ErrorReply(400, "missing \"name\" (the file's name)"));
        std::string name = request.get_param_value("name");
        std::string text = request.body;
        Send(response,
             queue.Post([&host, name, text, after] { return host.OpenUpload(name, text, after); }));
    });
    server.Get("/api/script",
               [&queue, &host](const httplib::Request&, httplib::Response& response) {
                   Send(response, queue.Post([&host] { return host.Script(); }));
               });
    // The page's own files; nothing else.
    server.Get(".*", [&files](const httplib::Request& request, httplib::Response& response) {
        std::optional<PageFile> file = files.Find(request.path);
        std::ifstream in;
        if (file) in.open(file->path, std::ios::binary);
        if (!file || !in.is_open())
            return Send(response, ErrorReply(404, "no file " + request.path));
        std::ostringstream content;
        content << in.rdbuf();
        Reply reply;
        reply.contentType = file->contentType;
        reply.body = content.str();
        Send(response, reply);
    });
}

}  // namespace serve

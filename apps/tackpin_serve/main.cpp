// tackpin-serve: the simulated host with the plug-in module loaded, as
// tackpin-host loads it, shown in a web browser. It serves the page on
// 127.0.0.1; the page draws the host's 3D view, the plug-in's panel and
// dialogs and the host's console, and every click there is a host event or
// a user action delivered on the host thread. Ctrl-C closes the host.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <thread>

#include <httplib.h>
#include <CLI/CLI.hpp>

#include "apps/tackpin_serve/console_log.h"
#include "apps/tackpin_serve/host_loop.h"
#include "apps/tackpin_serve/http_routes.h"
#include "apps/tackpin_serve/job_queue.h"
#include "apps/tackpin_serve/page_files.h"
#include "apps/tackpin_serve/request_guard.h"
#include "platform/platform.h"
#include "session_engine/session/session.h"
#include "session_engine/session/session_runner.h"
#include "session_engine/settings/settings_folder.h"
#include "simhost/plugin_module.h"

namespace {

std::string BesideProgram(const char* argv0, const std::string& name) {
    std::error_code error;
    std::filesystem::path self = std::filesystem::canonical("/proc/self/exe", error);
    if (error) self = std::filesystem::absolute(argv0);
    return (self.parent_path() / name).string();
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Runs the Tackpin plug-in in the simulated host and shows it in a web browser."};
    host_tool::SessionOptions options;
    options.modulePath = sim::DefaultPluginPath();
    options.settingsPath = host_tool::DefaultSettingsFolder() + "/host-settings.xml";
    int port = 8700;
    std::string bind = "127.0.0.1";
    std::string page = BesideProgram(argv[0], "page");
    std::string examples;
    std::string script;
    bool verbose = false;
    app.add_option("script", script, "session script run first: the state the page shows at start");
    app.add_option("-p,--port", port, "the port to listen on; 0 takes a free one")
        ->capture_default_str()
        ->check(CLI::Range(0, 65535));
    app.add_option("--bind", bind, "the address to listen on")->capture_default_str();
    app.add_option("-m,--module", options.modulePath, "the plug-in module to load")
        ->capture_default_str();
    app.add_option("-s,--settings", options.settingsPath,
                   "the host's settings file, kept between runs")
        ->capture_default_str();
    app.add_option("--page", page, "the page's folder")->capture_default_str();
    app.add_option("--examples", examples,
                   "the folder of OBJ files the page offers (default: the script's folder)");
    app.add_flag("-v,--verbose", verbose, "print each request and each console line");
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return app.exit(error) == 0 ? host_tool::kStatusOk : host_tool::kStatusFailed;
    }
    if (examples.empty() && !script.empty())
        examples = std::filesystem::path(script).parent_path().string();
    if (examples.empty()) examples = ".";

    // Ctrl-C and SIGTERM are taken by one watcher thread, so that the host
    // thread closes the host at its own pace; every thread started later
    // inherits the blocked signals.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(options.settingsPath).parent_path(),
                                        error);
    serve::ConsoleLog console;
    if (verbose) console.EchoTo(stdout);
    host_tool::Session session(options, console.Transcript(), console.Notes());
    serve::JobQueue queue;
    serve::HostLoop host(session, queue, console, examples);
    if (int status = host.Start(script, stderr); status != host_tool::kStatusOk) {
        queue.RequestStop();
        host.Serve(stderr);  // the host closes at once
        return status;
    }

    serve::PageFiles files(page);
    if (files.Count() == 0)
        std::fprintf(stderr, "tackpin-serve: no page in %s (build it, or name one with --page)\n",
                     page.c_str());
    httplib::Server server;
    auto guard = std::make_shared<serve::RequestGuard>(bind, port);
    std::shared_ptr<const serve::RequestGuard> shared = guard;
    serve::AddRoutes(server, queue, host, files, shared);
    if (verbose)
        server.set_logger([](const httplib::Request& request, const httplib::Response& response) {
            std::printf("%s %s %d\n", request.method.c_str(), request.path.c_str(),
                        response.status);
            std::fflush(stdout);
        });
    const int bound =
        port == 0 ? server.bind_to_any_port(bind) : (server.bind_to_port(bind, port) ? port : -1);
    if (bound < 0) {
        std::fprintf(stderr, "tackpin-serve: cannot listen on %s:%d\n", bind.c_str(), port);
        queue.RequestStop();
        host.Serve(stderr);
        return host_tool::kStatusFailed;
    }
    *guard = serve::RequestGuard(bind, bound);
    std::thread listener([&server] { server.listen_after_bind(); });
    std::thread watcher([&stopSignals, &queue] {
        int signal = 0;
        sigwait(&stopSignals, &signal);
        queue.RequestStop();
    });
    const std::string host_name = bind == "0.0.0.0" || bind == "::" ? "127.0.0.1" : bind;
    std::printf("open http://%s:%d/ in a browser; Ctrl-C ends the host\n", host_name.c_str(),
                bound);
    std::fflush(stdout);

    const int status = host.Serve(stderr);
    server.stop();
    listener.join();
    watcher.join();
    return status;
}

// The server's requests: the guard on every one, the page's own files, and
// the API, whose requests become jobs of the host thread.
#pragma once

#include <memory>

#include <httplib.h>

#include "apps/tackpin_serve/host_loop.h"
#include "apps/tackpin_serve/job_queue.h"
#include "apps/tackpin_serve/page_files.h"
#include "apps/tackpin_serve/request_guard.h"

namespace serve {

// The largest body a request may carry (an OBJ file uploaded): 413 above.
constexpr std::size_t kBodyLimit = 64u << 20;

// `guard` is read at each request; it is set once the port is known, before
// the server listens.
void AddRoutes(httplib::Server& server, JobQueue& queue, HostLoop& host, const PageFiles& files,
               const std::shared_ptr<const RequestGuard>& guard);

}  // namespace serve

#include "support/test_queues.h"

#include <arpa/inet.h>
#include <cups/cups.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>

namespace nencho::test {

bool hasTestPrinter() {
    return std::getenv("NENCHO_TEST_CUPS") != nullptr;
}

int closedLoopbackPort() {
    const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    const bool bound = ::bind(socket, reinterpret_cast<sockaddr*>(&address), length) == 0 &&
                       ::getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length) == 0;
    ::close(socket);
    return bound ? ntohs(address.sin_port) : 1;
}

NoPrintServer::NoPrintServer(const std::string& server) {
    cupsSetServer(server.c_str());
}

NoPrintServer::~NoPrintServer() {
    cupsSetServer(nullptr);
}

std::vector<std::string> unreachableServers() {
    return {"/nonexistent/nencho-no-cups.sock",
            "127.0.0.1:" + std::to_string(closedLoopbackPort())};
}

void DefaultQueue::use(const char* queue) {
    setenv("LPDEST", queue, 1);
}

DefaultQueue::~DefaultQueue() {
    unsetenv("LPDEST");
}

std::set<int> heldJobs(const char* queue, const std::string& title) {
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue, 0, CUPS_WHICHJOBS_ACTIVE);
    std::set<int> ids;
    for (int i = 0; i < count; ++i)
        if (title.empty() || (jobs[i].title && title == jobs[i].title)) ids.insert(jobs[i].id);
    cupsFreeJobs(count, jobs);
    return ids;
}

CancelledJobs::~CancelledJobs() {
    for (int id : ids) cupsCancelJob2(CUPS_HTTP_DEFAULT, queue_, id, 0);
}

}  // namespace nencho::test

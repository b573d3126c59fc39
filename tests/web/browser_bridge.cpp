#include "browser_bridge.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace veltara::testing {

namespace {

std::string unescape(const std::string& text) {
    std::string plain;
    plain.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            plain += text[i];
            continue;
        }
        const char next = text[++i];
        plain += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return plain;
}

void writeAll(int descriptor, const std::string& data) {
    std::size_t written = 0;
    while (written < data.size()) {
        const ssize_t count = ::write(descriptor, data.data() + written, data.size() - written);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            throw std::runtime_error("the browser's helper took no more requests");
        }
        written += static_cast<std::size_t>(count);
    }
}

}  // namespace

BrowserBridge::BrowserBridge(const std::string& engine) : engine_(engine) {
    std::array<int, 2> input{};
    std::array<int, 2> output{};
    if (::pipe(input.data()) != 0 || ::pipe(output.data()) != 0) {
        throw std::runtime_error("no pipes for the browser's helper");
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    for (int descriptor : {input[0], input[1], output[0], output[1]}) {
        posix_spawn_file_actions_addclose(&actions, descriptor);
    }
    std::string helper = VELTARA_WEB_BRIDGE;
    std::string engineArgument = engine;
    std::array<char*, 3> argv{helper.data(), engineArgument.data(), nullptr};
    const int spawned = posix_spawn(&helper_, helper.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(input[0]);
    ::close(output[1]);
    toHelper_ = input[1];
    fromHelper_ = output[0];
    if (spawned != 0) {
        helper_ = -1;
        throw std::runtime_error("cannot start " + helper);
    }
    browser_ = answer(readLine());
}

BrowserBridge::~BrowserBridge() {
    if (toHelper_ >= 0) {
        ::close(toHelper_);
    }
    if (helper_ > 0) {
        int status = 0;
        ::waitpid(helper_, &status, 0);
    }
    if (fromHelper_ >= 0) {
        ::close(fromHelper_);
    }
}

std::string BrowserBridge::readLine() {
    std::size_t end = buffered_.find('\n');
    while (end == std::string::npos) {
        std::array<char, 65536> chunk{};
        const ssize_t count = ::read(fromHelper_, chunk.data(), chunk.size());
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            throw std::runtime_error("the browser's helper ended");
        }
        buffered_.append(chunk.data(), static_cast<std::size_t>(count));
        end = buffered_.find('\n');
    }
    std::string line = buffered_.substr(0, end);
    buffered_.erase(0, end + 1);
    return line;
}

void BrowserBridge::readExactly(char* into, std::size_t size) {
    const std::size_t fromBuffer = std::min(size, buffered_.size());
    std::copy_n(buffered_.begin(), fromBuffer, into);
    buffered_.erase(0, fromBuffer);
    std::size_t done = fromBuffer;
    while (done < size) {
        const ssize_t count = ::read(fromHelper_, into + done, size - done);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            throw std::runtime_error("the browser's helper ended in a picture");
        }
        done += static_cast<std::size_t>(count);
    }
}

std::string BrowserBridge::answer(const std::string& line) {
    if (line.starts_with("ok")) {
        return unescape(line.size() > 3 ? line.substr(3) : std::string());
    }
    throw std::runtime_error(engine_ + ": " + unescape(line));
}

std::string BrowserBridge::request(const std::string& line) {
    if (line.find('\n') != std::string::npos) {
        throw std::logic_error("a request is one line: " + line);
    }
    writeAll(toHelper_, line + "\n");
    return answer(readLine());
}

Picture BrowserBridge::picture(const std::string& elementId) {
    std::istringstream size(request("picture " + elementId));
    Picture shown;
    size >> shown.width >> shown.height;
    std::string bytes(static_cast<std::size_t>(shown.width) * static_cast<std::size_t>(shown.height) * 3, '\0');
    readExactly(bytes.data(), bytes.size());
    shown.pixels.reserve(bytes.size() / 3);
    for (std::size_t i = 0; i + 2 < bytes.size(); i += 3) {
        shown.pixels.push_back({static_cast<std::uint8_t>(bytes[i]), static_cast<std::uint8_t>(bytes[i + 1]),
                                static_cast<std::uint8_t>(bytes[i + 2])});
    }
    return shown;
}

}  // namespace veltara::testing

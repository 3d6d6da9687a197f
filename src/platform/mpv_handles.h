#pragma once

#include <mpv/client.h>

#include <memory>

// Owners of what libmpv hands out, each freed one way only.
namespace xj::mpv {

struct CoreDeleter {
    void operator()(mpv_handle* core) const { mpv_terminate_destroy(core); }
};
// The core of a player; destroying it ends playback and waits for mpv's threads.
using Core = std::unique_ptr<mpv_handle, CoreDeleter>;

struct StringDeleter {
    void operator()(char* text) const { mpv_free(text); }
};
// A string from mpv_get_property_string and the like.
using String = std::unique_ptr<char, StringDeleter>;

// The contents of a node mpv filled in (mpv_get_property with MPV_FORMAT_NODE,
// mpv_command_ret); an untouched node is empty and frees nothing.
class Node {
public:
    Node() = default;
    ~Node() { mpv_free_node_contents(&node_); }
    Node(const Node&) = delete;
    Node& operator=(const Node&) = delete;

    mpv_node* out() { return &node_; }
    const mpv_node& operator*() const { return node_; }
    const mpv_node* operator->() const { return &node_; }

private:
    mpv_node node_{};
};

} // namespace xj::mpv

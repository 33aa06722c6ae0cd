#pragma once
// A small TCP forwarder between a program and a real server, for the tests of a network that
// hangs: it passes every byte both ways until told to hold them, then keeps every connection
// open and passes nothing (nor takes new connections in) until told to let them through again,
// as a proxy or a network that stops answering does.
#include <atomic>
#include <chrono>
#include <thread>

class RelaisTcp final {
public:
    // Listens on 127.0.0.1, on a port of its own, and forwards to 127.0.0.1:`portCible`.
    explicit RelaisTcp(int portCible);
    ~RelaisTcp();
    RelaisTcp(const RelaisTcp&) = delete;
    RelaisTcp& operator=(const RelaisTcp&) = delete;

    int port() const { return port_; }
    // Holds the traffic; after `limite` it passes again by itself, so that a program that would
    // wait for ever fails its test instead of freezing it.
    void retiens(std::chrono::milliseconds limite = std::chrono::minutes(1));
    void laissePasser();

private:
    void boucle();
    void reveille();

    int portCible_;
    int port_ = 0;
    int ecoute_ = -1;
    int reveil_[2] = {-1, -1};
    std::atomic<bool> retenu_{false};
    std::atomic<std::chrono::steady_clock::rep> finRetenue_{0};
    std::atomic<bool> fin_{false};
    std::thread fil_;
};

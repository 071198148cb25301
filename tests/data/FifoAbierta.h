// A named pipe that holds some text and stays open for a few seconds: a file
// that never ends, to show that a reader refuses a wrong beginning without
// reading on to the end.
#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

namespace prueba {

class FifoAbierta {
public:
    FifoAbierta(std::string ruta, std::string texto) : ruta_(std::move(ruta)) {
        ::unlink(ruta_.c_str());
        ::mkfifo(ruta_.c_str(), 0600);
        escritor_ = std::thread([this, texto] {
            const int fd = ::open(ruta_.c_str(), O_WRONLY);
            if (fd < 0) return;
            if (::write(fd, texto.data(), texto.size()) < 0) {}
            for (int i = 0; i < 100 && !terminado_; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(50));
            cerrada_ = true;
            ::close(fd);
        });
    }
    ~FifoAbierta() {
        terminado_ = true;
        // A reader of our own lets the writer go on when nobody opened the pipe.
        const int fd = ::open(ruta_.c_str(), O_RDONLY | O_NONBLOCK);
        escritor_.join();
        if (fd >= 0) ::close(fd);
        ::unlink(ruta_.c_str());
    }
    const std::string& Ruta() const { return ruta_; }
    // Whether the writer has closed the pipe (the reader saw its end).
    bool Cerrada() const { return cerrada_; }

private:
    std::string ruta_;
    std::atomic<bool> terminado_{false};
    std::atomic<bool> cerrada_{false};
    std::thread escritor_;
};

}  // namespace prueba

// A buffer of the share service, released with NetApiBufferFree when it goes out of scope.
#pragma once

#include "platform/ShareService.h"

namespace shares {

class ServiceBuffer {
 public:
  explicit ServiceBuffer(platform::ShareService& service) : m_service(service) {}
  ~ServiceBuffer() {
    if (m_buffer != 0) m_service.BufferFree(m_buffer);
  }
  ServiceBuffer(const ServiceBuffer&) = delete;
  ServiceBuffer& operator=(const ServiceBuffer&) = delete;

  // Where the service puts the buffer it hands out.
  platform::Handle& out() { return m_buffer; }
  platform::Handle get() const { return m_buffer; }

 private:
  platform::ShareService& m_service;
  platform::Handle m_buffer = 0;
};

}  // namespace shares

#!/usr/bin/env python3
"""A slow network on loopback for the upload benchmarks.

delay_proxy.py PORT TARGET [DELAY_MS [LIFETIME_S]]

Listens on 127.0.0.1:PORT (0: a free one), prints the port once it listens,
and forwards every connection to 127.0.0.1:TARGET,
holding each chunk DELAY_MS (25) in each direction before it goes on, so a
round trip takes twice that, and a new connection one round trip more
before its first byte goes on, as its handshake would. Bytes keep their order per direction; a chunk
read while another waits waits only its own delay, so the link's speed is not
capped. Ends by itself after LIFETIME_S (600) seconds.
"""
import asyncio
import sys

HOST = "127.0.0.1"


async def pipe(reader, writer, delay):
    """Copies reader to writer, each chunk delay seconds after it came in;
    a broken side breaks the other one after the same delay."""
    loop = asyncio.get_running_loop()
    chunks = asyncio.Queue()

    async def receive():
        chunk = b"x"
        while chunk:
            try:
                chunk = await reader.read(65536)
            except OSError:
                chunk = None
            await chunks.put((loop.time() + delay, chunk))

    async def send():
        while True:
            due, chunk = await chunks.get()
            await asyncio.sleep(max(0.0, due - loop.time()))
            try:
                if not chunk:
                    if chunk is None:
                        writer.transport.abort()
                    elif writer.can_write_eof():
                        writer.write_eof()
                    return
                writer.write(chunk)
                await writer.drain()
            except OSError:
                writer.transport.abort()
                return

    await asyncio.gather(receive(), send())


async def forward(client_reader, client_writer, target, delay):
    # The handshake a real link would take before the first byte goes out.
    await asyncio.sleep(2 * delay)
    try:
        server_reader, server_writer = await asyncio.open_connection(HOST, target)
    except OSError:
        client_writer.transport.abort()
        return
    await asyncio.gather(pipe(client_reader, server_writer, delay), pipe(server_reader, client_writer, delay))
    for writer in (client_writer, server_writer):
        writer.close()


async def main(port, target, delay, lifetime):
    server = await asyncio.start_server(lambda r, w: forward(r, w, target, delay), HOST, port)
    print(server.sockets[0].getsockname()[1], flush=True)
    await asyncio.sleep(lifetime)
    # Open connections go too: asyncio.run cancels their tasks.
    server.close()


if __name__ == "__main__":
    if not 3 <= len(sys.argv) <= 5:
        sys.exit(__doc__)
    port, target = int(sys.argv[1]), int(sys.argv[2])
    delay_ms = float(sys.argv[3]) if len(sys.argv) > 3 else 25.0
    lifetime = float(sys.argv[4]) if len(sys.argv) > 4 else 600.0
    asyncio.run(main(port, target, delay_ms / 1000.0, lifetime))

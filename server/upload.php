<?php
// Receives one file per POST request (multipart/form-data, part "file_img")
// and stores it under the page folder: "data/" beside this script, or the
// folder named after "User=" in the script's query string.
//
// Answers 200 when the file is stored; 4xx/5xx when it is not, with the
// reason in one line.

// Largest file taken; PHP's own upload_max_filesize and post_max_size must allow it too.
const MAX_BYTES = 32 * 1048576;

// Name parts a web server may run or obey instead of serving. Apache runs
// "a.php.jpg" as PHP, so every part after a dot counts, not only the last.
const RUNNABLE = '/^(php\d*|phps|pht|phtml|phar|shtml|inc|cgi|fcgi|pl|py|sh|htaccess|htpasswd)$/';

// Characters whose compatibility form holds a dot; refused when PHP has no
// Normalizer to fold them.
const DOT_LOOKALIKES = '/[\x{2024}-\x{2026}\x{2488}-\x{249B}\x{FE52}\x{FF0E}\x{1F100}]/u';

function answer(int $status, string $text): void {
    http_response_code($status);
    header('Content-Type: text/plain; charset=utf-8');
    echo $text, "\n";
    exit;
}

// The name as a server or file system may read it: look-alike characters
// folded, capitals small. Null when they cannot be folded.
function folded_name(string $name): ?string {
    if (!preg_match('//u', $name)) return strtolower($name);   // not UTF-8: no look-alikes to fold
    if (class_exists('Normalizer')) {
        $name = Normalizer::normalize($name, Normalizer::FORM_KC);
        if ($name === false) return null;
    } elseif (preg_match(DOT_LOOKALIKES, $name)) {
        return null;
    }
    return strtolower($name);
}

// A name the server stores as it is: one plain file name, nothing it would run.
function is_safe_name(string $name): bool {
    if ($name === '' || strpbrk($name, "/\\\0") !== false) return false;
    if (preg_match('/[\x00-\x1f\x7f]/', $name)) return false;
    $folded = folded_name($name);
    if ($folded === null || $folded[0] === '.' || strpbrk($folded, "/\\") !== false) return false;
    // Windows drops blanks and dots at the end of a part.
    foreach (array_slice(explode('.', $folded), 1) as $part) {
        if (preg_match(RUNNABLE, rtrim($part, ' '))) return false;
    }
    return true;
}

// The folder the client shows as the page folder.
function page_folder(): ?string {
    $query = $_SERVER['QUERY_STRING'] ?? '';
    $at = strpos($query, 'User=');
    if ($at === false) return __DIR__ . '/data';
    $user = rawurldecode(substr($query, $at + 5));
    return is_safe_name($user) ? __DIR__ . '/' . $user : null;
}

// The name as the client sent it: PHP cuts everything up to a separator, the
// full path keeps it so that such names can be refused. Nothing is decoded:
// the client writes both '"' and a literal "%22" as %22.
function sent_name(array $file): string {
    return $file['full_path'] ?? $file['name'];
}

// PHP keeps only the last of several parts named "file_img"; the files it
// took for this request are the only trace of the others.
function uploaded_file_count(array $file): int {
    $folder = ini_get('upload_tmp_dir') ?: sys_get_temp_dir();
    $mine = array_filter(glob($folder . '/php*', GLOB_NOSORT) ?: [], 'is_uploaded_file');
    return count(array_unique([...$mine, $file['tmp_name']]));
}

// post_max_size in bytes ("41M" and the like).
function post_limit(): int {
    $text = trim((string)ini_get('post_max_size'));
    $scale = ['k' => 1024, 'm' => 1048576, 'g' => 1073741824][strtolower(substr($text, -1))] ?? 1;
    return (int)$text * $scale;
}

// Stores the upload under a temporary name beside the target, then puts it in
// place in one step: readers see the old file or the new one, never a part,
// and a full disk leaves the old one whole.
function store(string $uploaded, string $target): bool {
    $temporary = dirname($target) . '/.upload-' . bin2hex(random_bytes(8));
    if (move_uploaded_file($uploaded, $temporary) && chmod($temporary, 0644) && rename($temporary, $target)) return true;
    if (file_exists($temporary)) unlink($temporary);
    return false;
}

if (($_SERVER['REQUEST_METHOD'] ?? '') !== 'POST') {
    header('Allow: POST');
    answer(405, 'POST only');
}

$file = $_FILES['file_img'] ?? null;
if ($file === null) {
    $limit = post_limit();
    if ($limit > 0 && (int)($_SERVER['CONTENT_LENGTH'] ?? 0) > $limit) answer(413, 'request too large');
    answer(400, 'no file_img part');
}
if (is_array($file['error'])) answer(400, 'more than one file_img part');

switch ($file['error']) {
    case UPLOAD_ERR_OK:
        break;
    case UPLOAD_ERR_INI_SIZE:
    case UPLOAD_ERR_FORM_SIZE:
        answer(413, 'file too large');
    case UPLOAD_ERR_PARTIAL:
    case UPLOAD_ERR_NO_FILE:
        answer(400, 'file incomplete');
    default:
        answer(500, 'upload failed on the server');
}
if (uploaded_file_count($file) !== 1) answer(400, 'more than one file_img part');
if ($file['size'] > MAX_BYTES) answer(413, 'file too large');

$name = sent_name($file);
if (!is_safe_name($name)) answer(403, 'name refused');
$folder = page_folder();
if ($folder === null) answer(403, 'folder refused');
if (!is_dir($folder) && !mkdir($folder, 0755, true) && !is_dir($folder)) answer(500, 'cannot create folder');

if (!store($file['tmp_name'], $folder . '/' . $name)) answer(500, 'cannot store file');
answer(200, 'OK');

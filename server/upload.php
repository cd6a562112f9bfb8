<?php
// Receives one file per POST request (multipart/form-data, part "file_img")
// and stores it under the page folder: "data/" beside this script, or the
// folder named after "User=" in the script's query string.
//
// Answers 200 when the file is stored; 4xx/5xx when it is not.

// Largest file taken; PHP's own upload_max_filesize and post_max_size must allow it too.
const MAX_BYTES = 32 * 1048576;

// Extensions a web server may run instead of serving.
const RUNNABLE = '/\.(php\d*|pht|phtml|phar|cgi|pl|py|sh|htaccess)$/i';

function answer(int $status, string $text): void {
    http_response_code($status);
    header('Content-Type: text/plain; charset=utf-8');
    echo $text, "\n";
    exit;
}

// A name the server stores as it is: one plain file name, nothing it would run.
function is_safe_name(string $name): bool {
    if ($name === '' || $name[0] === '.') return false;
    if (strpbrk($name, "/\\\0") !== false) return false;
    if (preg_match('/[\x00-\x1f\x7f]/', $name)) return false;
    return !preg_match(RUNNABLE, rtrim($name, ". "));
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
// full path keeps it so that such names can be refused. Browsers write '"' as %22.
function sent_name(array $file): string {
    $name = $file['full_path'] ?? $file['name'];
    return str_replace('%22', '"', $name);
}

if (($_SERVER['REQUEST_METHOD'] ?? '') !== 'POST') {
    header('Allow: POST');
    answer(405, 'POST only');
}

$file = $_FILES['file_img'] ?? null;
if ($file === null) {
    $length = (int)($_SERVER['CONTENT_LENGTH'] ?? 0);
    if ($length > 0 && empty($_POST)) answer(413, 'request too large');
    answer(400, 'no file_img part');
}
if (is_array($file['error'])) answer(400, 'one file per request');

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
if ($file['size'] > MAX_BYTES) answer(413, 'file too large');

$name = sent_name($file);
if (!is_safe_name($name)) answer(403, 'name refused');
$folder = page_folder();
if ($folder === null) answer(403, 'folder refused');
if (!is_dir($folder) && !mkdir($folder, 0755, true) && !is_dir($folder)) answer(500, 'cannot create folder');

$target = $folder . '/' . $name;
if (!move_uploaded_file($file['tmp_name'], $target)) answer(500, 'cannot store file');
chmod($target, 0644);
answer(200, 'OK');
